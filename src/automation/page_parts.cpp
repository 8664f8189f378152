#include "automation/page_parts.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace lumivox {

QLabel* profileLabel(QWidget* page, const char* name, Box at)
{
    auto* label = new QLabel(QStringLiteral("Alternatives Profil ist aktiv"), page);
    label->setObjectName(QString::fromLatin1(name));
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignCenter);
    label->setGeometry(at.x, at.y, at.w, at.h);
    label->hide();
    return label;
}

void compactLiveGroup(QGroupBox* group, Box at)
{
    if (auto* form = qobject_cast<QFormLayout*>(group->layout())) {
        form->setContentsMargins(6, 2, 6, 4);
        form->setVerticalSpacing(2);
    }
    group->setGeometry(at.x, at.y, at.w, at.h);
}

LiveColumn::LiveColumn(QWidget* page, Box at) : page_(page), at_(at), y_(at.y) {}

void LiveColumn::caption(const char* text)
{
    auto* label = new QLabel(QString::fromUtf8(text), page_);
    label->setWordWrap(true);
    const int height = label->heightForWidth(at_.w);
    add(label, height > 0 ? height : label->sizeHint().height());
}

QLineEdit* LiveColumn::field(const char* name)
{
    auto* field = new QLineEdit(page_);
    field->setObjectName(QString::fromLatin1(name));
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::NoFocus);
    field->setAlignment(Qt::AlignCenter);
    add(field, 22);
    y_ += 6;
    return field;
}

void LiveColumn::add(QWidget* widget, int height)
{
    widget->setGeometry(at_.x, y_, at_.w, height);
    y_ += height + 2;
}

}  // namespace lumivox
