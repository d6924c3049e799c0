#pragma once

#include <QString>

// The integer value of a text, as the test length and the bank's answer lines use it.
// Raises AppError "'<text>' is not a valid integer value" for anything that is not one.
int intValue(const QString& text);
