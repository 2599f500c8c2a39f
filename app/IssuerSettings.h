#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>

// The issuer's data as section EMITENTE of config.ini holds it: what the
// configuration window edits and every receipt prints.
struct TIssuerSettings {
  QString Empresa;
  QString Endereco;
  QString Bairro;
  QString Cidade;
  QString CfpCnpj;  // key CFP_CNPJ, spelled so in every file already written
  QString Telefone;
  QString Email;
  QString Site;
  QString Logo;  // full path of the logo picture; empty for none

  bool operator==(const TIssuerSettings&) const = default;
};

inline constexpr QStringView IssuerSection = u"EMITENTE";
// The number of the last issued receipt, beside the issuer's keys.
inline constexpr QStringView CounterKey = u"CODIGO";

struct TIssuerKey {
  QStringView Name;
  QString TIssuerSettings::*Member;
};

// The keys in the order the configuration window saves them, so a file it
// creates lists them in this order.
inline constexpr std::array<TIssuerKey, 9> IssuerKeys = {{
  {u"EMPRESA", &TIssuerSettings::Empresa},
  {u"ENDERECO", &TIssuerSettings::Endereco},
  {u"CIDADE", &TIssuerSettings::Cidade},
  {u"TELEFONE", &TIssuerSettings::Telefone},
  {u"EMAIL", &TIssuerSettings::Email},
  {u"SITE", &TIssuerSettings::Site},
  {u"LOGO", &TIssuerSettings::Logo},
  {u"BAIRRO", &TIssuerSettings::Bairro},
  {u"CFP_CNPJ", &TIssuerSettings::CfpCnpj},
}};

QStringList IssuerKeyNames();
