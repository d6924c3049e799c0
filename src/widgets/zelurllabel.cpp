#include "widgets/zelurllabel.h"

TZelUrlLabel::TZelUrlLabel(QWidget* parent, UrlOpener opener)
    : QLabel(parent), m_opener(std::move(opener)) {}
