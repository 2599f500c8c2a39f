#pragma once

#include <QCommandLineParser>
#include <QString>

namespace quitanza::app {

// The amount field as the operator left it with the option's VALOR typed
// (1500 gives 1.500,00); without the option it still shows 0,00. Throws
// InvalidInputError for a text the field would change into another amount
// (10.5, 1e3, 12a, 1,2,3, 1,234) and with the field's message when it
// refuses the text.
QString AmountAsLeft(const QCommandLineParser& parser, const QString& option);
// The same for an amount typed as `typed`.
QString AmountAsLeft(const QString& typed);

}  // namespace quitanza::app
