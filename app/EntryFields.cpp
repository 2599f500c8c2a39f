#include "app/EntryFields.h"

namespace quitanza::app {

using namespace doclib;

EditSettings EditField(Check check, Caracters caracter)
{
  EditSettings settings;
  settings.Check = check;
  settings.Caracter = caracter;
  // A state registration field is required as soon as it is one: an empty
  // one is "Informação necessária" where every other kind may stay empty.
  settings.AcceptNull = check != Check::IE;
  return settings;
}

EditSettings CpfCnpjField()
{
  return EditField(Check::CpfCnpj, Caracters::Numeric);
}

EditSettings TelefoneField()
{
  return EditField(Check::Telefone, Caracters::Numeric);
}

EditSettings EmailField()
{
  return EditField(Check::Email, Caracters::Alfanumeric);
}

EditSettings SiteField()
{
  return EditField(Check::URL, Caracters::Alfanumeric);
}

EditSettings AmountField()
{
  return EditField(Check::None, Caracters::Real);
}

EditSettings NameField()
{
  return EditField(Check::None, Caracters::Alfanumeric);
}

QString TextAsLeft(const EditSettings& field, const QString& typed)
{
  return TextOnFocusLost(ApplyCharCase(field.Check, typed), field);
}

}  // namespace quitanza::app
