#pragma once

#include <QString>
#include <QStringView>

#include <cstdint>

namespace quitanza::platform { class IniFile; }
namespace quitanza::report { class Report; }

namespace quitanza::app {

class UserInterface;

// Gives a report variable a text. The report evaluates variable values as
// expressions, so the text goes as a quoted literal: D'ÁVILA stays D'ÁVILA.
void SetReceiptVariable(quitanza::report::Report& report, QStringView name, const QString& text);

// The issuer's lines, from the settings as they are now, in the order every
// receipt sets them: Empresa (in capitals), Endereco, Cidade (telephone and
// city), CidadeData and Email_Site.
void SetIssuerVariables(quitanza::report::Report& report, const platform::IniFile& settings);

// The receipt number as printed: "N°: 0000000042".
QString ReceiptNumberText(std::int32_t codigo);

// After preparing a receipt: the texts it could not show whole even in
// smaller letters ("Não coube inteiro no recibo, nem em letra menor: o
// cliente."); empty when all fit.
QString CutTextsCaution(const quitanza::report::Report& report);

// After preparing a receipt: tells the operator which texts it could not show
// whole even in smaller letters ("Não coube inteiro no recibo, nem em letra
// menor: o cliente."), before the receipt is shown or stored; nothing when
// all fit.
void CautionAboutCutTexts(UserInterface& ui, const quitanza::report::Report& report);

}  // namespace quitanza::app
