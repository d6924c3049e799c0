#include "widgets/page.h"

Page::Page(QWidget* parent) : QWidget(parent) {}

QString Page::print(const Printer&) {
    return tr("This page has nothing to print. Ctrl+P prints a chapter, an answer or the report "
              "of a test.");
}
