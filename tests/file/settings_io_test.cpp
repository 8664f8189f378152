#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <csignal>
#include <sys/resource.h>

#include "cli/commands.h"
#include "file/settings_io.h"
#include "file_test_support.h"

using namespace lumivox;
using namespace lumivox::filetest;

namespace {

struct SettingsIo : ::testing::Test {
    QTemporaryDir dir;

    QString path(const QString& name) const { return dir.filePath(name); }

    static void put(const QString& file, const std::string& bytes) { writeBytes(file.toStdString(), bytes); }
    static std::string get(const QString& file) { return readBytes(file.toStdString()); }

    QStringList entries() const { return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden); }
};

// Writes to regular files fail beyond `bytes` while it lives.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previous_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previous_);
    }

private:
    rlimit saved_{};
    void (*previous_)(int) = nullptr;
};

}  // namespace

TEST_F(SettingsIo, SavedFileLoadsBackIntoTheSameImage)
{
    ASSERT_TRUE(saveSettingsFile(path("a.vsz"), variedImage(), nullptr));
    EXPECT_TRUE(get(path("a.vsz")) == fixture("varied.vsz"));
    SettingsImage image;
    QString message;
    ASSERT_TRUE(loadSettingsFile(path("a.vsz"), image, &message)) << message.toStdString();
    EXPECT_EQ(differences(image, variedImage()), std::vector<std::string>{});
}

TEST_F(SettingsIo, SaveReplacesAnExistingFileAndLeavesNoTemporaryBehind)
{
    put(path("a.vsz"), "old");
    ASSERT_TRUE(saveSettingsFile(path("a.vsz"), SettingsImage(), nullptr));
    EXPECT_TRUE(get(path("a.vsz")) == fixture("defaults.vsz"));
    EXPECT_EQ(entries(), QStringList{QStringLiteral("a.vsz")});
}

TEST_F(SettingsIo, ASaveThatFailsWhileWritingKeepsTheOldFile)
{
    put(path("a.vsz"), "old contents");
    QString message;
    bool saved = true;
    {
        FileSizeLimit limit(4096);   // far below the 64 KB of a settings file
        saved = saveSettingsFile(path("a.vsz"), SettingsImage(), &message);
    }
    EXPECT_FALSE(saved);
    EXPECT_FALSE(message.isEmpty());
    EXPECT_EQ(get(path("a.vsz")), "old contents");
    EXPECT_EQ(entries(), QStringList{QStringLiteral("a.vsz")});
}

TEST_F(SettingsIo, ASaveWhereNoFileCanBeCreatedReportsIt)
{
    QString message;
    EXPECT_FALSE(saveSettingsFile(path("missing/a.vsz"), SettingsImage(), &message));
    EXPECT_TRUE(message.startsWith(QDir::toNativeSeparators(path("missing/a.vsz")))) << message.toStdString();
    EXPECT_TRUE(entries().isEmpty());
}

TEST_F(SettingsIo, FailedLoadsLeaveTheImageAlone)
{
    put(path("bad.vsz"), fixture("varied.vsz") + "[Wind_Motor1_Profil1]\r\nGeschwindigkeit=viel\r\n");
    QDir(dir.path()).mkdir(QStringLiteral("folder.vsz"));
    put(path("huge.vsz"), fixture("defaults.vsz") + std::string(kMaxSettingsFileBytes, '\n'));
    const struct {
        const char* file;
        QString message;
    } cases[] = {
        {"none.vsz", QStringLiteral("File not found")},
        {"folder.vsz", QStringLiteral("File not found")},
        {"bad.vsz", QStringLiteral("'viel' ist kein gültiger Integerwert (Zeile 4900)")},
        {"huge.vsz", QDir::toNativeSeparators(path("huge.vsz")) + QStringLiteral(" ist zu groß für eine Einstellungsdatei.")},
    };
    for (const auto& c : cases) {
        SettingsImage image;
        image.markAllSent();
        const SettingsImage before = image;
        QString message;
        EXPECT_FALSE(loadSettingsFile(path(QString::fromLatin1(c.file)), image, &message)) << c.file;
        EXPECT_EQ(message, c.message) << c.file;
        EXPECT_EQ(differences(image, before), std::vector<std::string>{}) << c.file;
    }
}

TEST_F(SettingsIo, CheckCommandSummarisesOrPointsAtTheFault)
{
    put(path("bad.vsz"), "[Parameter_]\r\nOffset_AT=x\r\n");
    put(path("odd.vsz"), "[Motor-Namen_]\r\nMotor9=x\r\n[Schaltzeit_Mo_Motor1_Nr1]\r\nStunde=6\r\nFunktion=Normal\r\n");
    const struct {
        const char* file;
        int exitCode;
        std::string out;
        std::string err;
    } cases[] = {
        {"varied.vsz", 0, "ok: 4898 lines, 666 values stored, 447 switching times set, active profile 2\n", ""},
        {"odd.vsz", 0,
         "ok: 5 lines, 1 values stored, 1 switching times set, active profile 1, "
         "1 sections or lines naming no motor, number, day or profile skipped\n",
         ""},
        {"bad.vsz", 1, "", "bad.vsz: 'x' ist kein gültiger Integerwert (Zeile 2)\n"},
        {"none.vsz", 1, "", "none.vsz: File not found\n"},
    };
    for (const auto& c : cases) {
        const QString file = c.file == std::string("varied.vsz") ? QString::fromStdString(fixturePath(c.file))
                                                                  : path(QString::fromLatin1(c.file));
        testing::internal::CaptureStdout();
        testing::internal::CaptureStderr();
        const int code = cli::runCheck({file});
        const std::string out = testing::internal::GetCapturedStdout();
        const std::string err = testing::internal::GetCapturedStderr();
        EXPECT_EQ(code, c.exitCode) << c.file;
        EXPECT_EQ(out, c.out) << c.file;
        if (c.err.empty())
            EXPECT_EQ(err, "") << c.file;
        else
            EXPECT_TRUE(err.ends_with(c.err)) << err;
    }
}

TEST_F(SettingsIo, NormalizeWritesWhatTheProgramWouldSave)
{
    // Untidy but valid: LF line ends, no blank lines, sections missing.
    put(path("in.vsz"), "[Motor-Namen_]\nMotor2=Ost\n[Beschattung_Motor1_Profil2]\nEinAus=Ein\nDauer=5\n");
    testing::internal::CaptureStderr();
    EXPECT_EQ(cli::runNormalize({path("in.vsz"), path("out.vsz")}), 0);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    SettingsImage expected;
    SettingsImage& e = expected;
    e.MotorNamen[1] = "Ost";
    e.Beschattung[1][0] = {0, 0 + 10, -5, -5, -100, 4, 1};
    EXPECT_TRUE(get(path("out.vsz")) == writeSettingsFile(expected));

    // A file that does not load leaves the target alone.
    put(path("broken.vsz"), "[Wind_Motor1_Profil1]\nGeschwindigkeit=schnell\n");
    testing::internal::CaptureStderr();
    EXPECT_EQ(cli::runNormalize({path("broken.vsz"), path("out.vsz")}), 1);
    testing::internal::GetCapturedStderr();
    EXPECT_TRUE(get(path("out.vsz")) == writeSettingsFile(expected));
}
