#pragma once

#include "app/DataModule.h"
#include "app/IssuerSettings.h"
#include "app/UserInterface.h"

#include <QStringList>

namespace quitanza::app {

// The issuer configuration window's steps: the settings shown when it opens
// and the save of its fields. The fields' own checks happen as the operator
// leaves them, before any of this runs.
class ConfiguracaoWorkflow {
public:
  ConfiguracaoWorkflow(DataModule& dm, UserInterface& ui) : m_dm(dm), m_ui(ui) {}

  // The stored settings, each missing key empty. Throws when config.ini
  // cannot be read.
  IssuerSettings LerConfiguracao() const;
  // Writes the named keys (by default all nine) with the values' texts
  // unchanged, in the window's order; keys written before a failing
  // one keep their new values. Throws "Unable to write to <path>...".
  void GravarConfiguracao(const IssuerSettings& values, const QStringList& keys = IssuerKeyNames()) const;

  // FormShow: the settings for the fields; on an error, the error box and
  // empty fields.
  IssuerSettings FormShow();
  // Salvar: writes the keys, then "Configuração salva com sucesso!". True
  // when the window closes; false after the error box, the window staying
  // open with its edits.
  bool BitBtn2Click(const IssuerSettings& values, const QStringList& keys = IssuerKeyNames());

private:
  DataModule& m_dm;
  UserInterface& m_ui;
};

}  // namespace quitanza::app
