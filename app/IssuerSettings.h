#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>

namespace quitanza::app {

// The issuer's data as section EMITENTE of config.ini holds it: what the
// configuration window edits and every receipt prints.
struct IssuerSettings {
  QString Empresa;
  QString Endereco;
  QString Bairro;
  QString Cidade;
  QString CfpCnpj;  // key CFP_CNPJ, spelled so in every file already written
  QString Telefone;
  QString Email;
  QString Site;
  QString Logo;  // full path of the logo picture; empty for none

  bool operator==(const IssuerSettings&) const = default;
};

inline constexpr QStringView IssuerSection = u"EMITENTE";
// The number of the last issued receipt, beside the issuer's keys.
inline constexpr QStringView CounterKey = u"CODIGO";

struct IssuerKey {
  QStringView Name;
  QString IssuerSettings::*Member;
};

// The keys in the order the configuration window saves them, so a file it
// creates lists them in this order.
inline constexpr std::array<IssuerKey, 9> IssuerKeys = {{
  {u"EMPRESA", &IssuerSettings::Empresa},
  {u"ENDERECO", &IssuerSettings::Endereco},
  {u"CIDADE", &IssuerSettings::Cidade},
  {u"TELEFONE", &IssuerSettings::Telefone},
  {u"EMAIL", &IssuerSettings::Email},
  {u"SITE", &IssuerSettings::Site},
  {u"LOGO", &IssuerSettings::Logo},
  {u"BAIRRO", &IssuerSettings::Bairro},
  {u"CFP_CNPJ", &IssuerSettings::CfpCnpj},
}};

QStringList IssuerKeyNames();

}  // namespace quitanza::app
