#include "link/port_file.h"

#include <fstream>
#include <string>
#include <system_error>

#include "link/framing.h"

namespace lumivox {

int readPortFile(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return 1;
    // Only the first line counts; a few bytes are enough for it.
    char head[32] = {};
    in.read(head, sizeof head);
    std::string line(head, static_cast<std::size_t>(in.gcount()));
    const std::size_t lineEnd = line.find_first_of("\r\n");
    if (lineEnd != std::string::npos)
        line.erase(lineEnd);
    else if (line.size() == sizeof head)
        return 1;
    const std::optional<int32_t> n = parseDecimal(line);
    return n && *n >= 1 && *n <= kComPorts ? *n : 1;
}

bool writePortFile(const std::filesystem::path& file, int port)
{
    std::filesystem::path temporary = file;
    temporary += ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out)
            return false;
        out << port << "\r\n";
        out.flush();
        if (!out) {
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            return false;
        }
    }
    std::error_code ec;
    std::filesystem::rename(temporary, file, ec);
    if (ec) {
        std::filesystem::remove(temporary, ec);
        return false;
    }
    return true;
}

}  // namespace lumivox
