#include "widgets/questionoptions.h"

#include <QButtonGroup>
#include <QRadioButton>

QuestionOptions::QuestionOptions(QWidget* page, const QString& namePrefix, QRect first, int step,
                                 int count)
    : QObject(page), m_group(new QButtonGroup(this)) {
    for (int k = 1; k <= count; ++k) {
        auto* button = new QRadioButton(page);
        button->setObjectName(namePrefix + QString::number(k));
        button->setGeometry(first.translated(0, step * (k - 1)));
        m_group->addButton(button, k);
        m_buttons << button;
    }
    connect(m_group, &QButtonGroup::idToggled, this, [this](int option, bool checked) {
        if (checked)
            emit chosenChanged(option);
        else if (m_group->checkedId() < 0)
            emit chosenChanged(0);
    });
    connect(m_group, &QButtonGroup::idClicked, this, &QuestionOptions::clicked);
}

void QuestionOptions::show(const Question& question) {
    uncheckAll();
    for (int k = 1; k <= int(m_buttons.size()); ++k) {
        QRadioButton* option = m_buttons[k - 1];
        option->setText(question.options.value(k - 1));
        option->setAccessibleName(question.spokenOption(k));
    }
}

void QuestionOptions::uncheckAll() {
    // An exclusive group keeps one button checked; unchecking them all needs it lifted a moment.
    m_group->setExclusive(false);
    for (QRadioButton* option : m_buttons)
        option->setChecked(false);
    m_group->setExclusive(true);
}

void QuestionOptions::check(int option) const {
    if (QRadioButton* b = button(option))
        b->setChecked(true);
}

int QuestionOptions::chosen() const {
    return std::max(0, m_group->checkedId());
}

QRadioButton* QuestionOptions::button(int option) const {
    return option >= 1 && option <= m_buttons.size() ? m_buttons[option - 1] : nullptr;
}

QString QuestionOptions::spoken() const {
    QStringList texts;
    for (const QRadioButton* option : m_buttons)
        texts << option->accessibleName();
    return texts.join(u' ');
}
