#pragma once

#include <QCommandLineParser>
#include <QString>

// The amount field as the operator left it with the option's VALOR typed
// (1500 gives 1.500,00); without the option it still shows 0,00. Throws
// InvalidInputError with the field's message when it refuses the text.
QString AmountAsLeft(const QCommandLineParser& parser, const QString& option);
