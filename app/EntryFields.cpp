#include "app/EntryFields.h"

MVEditSettings EditField(TCheck check, TCaracters caracter)
{
  MVEditSettings settings;
  settings.Check = check;
  settings.Caracter = caracter;
  // A state registration field is required as soon as it is one: an empty
  // one is "Informação necessária" where every other kind may stay empty.
  settings.AcceptNull = check != ckIE;
  return settings;
}

MVEditSettings CpfCnpjField()
{
  return EditField(ckCpfCnpj, tcNumeric);
}

MVEditSettings TelefoneField()
{
  return EditField(ckTelefone, tcNumeric);
}

MVEditSettings EmailField()
{
  return EditField(ckEmail, tcAlfanumeric);
}

MVEditSettings SiteField()
{
  return EditField(ckURL, tcAlfanumeric);
}

MVEditSettings AmountField()
{
  return EditField(ckNone, tcReal);
}

MVEditSettings NameField()
{
  return EditField(ckNone, tcAlfanumeric);
}

QString TextAsLeft(const MVEditSettings& field, const QString& typed)
{
  return TextOnFocusLost(ApplyCharCase(field.Check, typed), field);
}
