#pragma once

#include "app/UserInterface.h"

#include <QString>
#include <QStringList>

#include <deque>

// The user interface of the workflow tests: writes down what the operator
// would see, one line per call ("Atenção: Informe o Cliente.", "foco:
// edtCliente"), and answers the questions from a script (No when it runs out).
class ScriptedUserInterface final : public quitanza::app::UserInterface {
public:
  QStringList Seen;
  std::deque<bool> Answers;

  void Warning(const QString& text) override { Seen << QStringLiteral(u"Atenção: ") + text; }
  bool Question(const QString& text) override
  {
    Seen << QStringLiteral("Pergunta: ") + text;
    if (Answers.empty())
      return false;
    const bool answer = Answers.front();
    Answers.pop_front();
    return answer;
  }
  void Error(const std::exception& error) override { Seen << QStringLiteral("Erro: ") + QString::fromUtf8(error.what()); }
  void Information(const QString& text) override { Seen << QStringLiteral("Mensagem: ") + text; }
  void Caution(const QString& text) override { Seen << QStringLiteral("Aviso: ") + text; }
  void ShowProgress() override { Seen << QStringLiteral("progresso"); }
  void HideProgress() override { Seen << QStringLiteral("progresso oculto"); }
  void Preview(quitanza::report::Report&) override { Seen << QStringLiteral("visualização"); }
  void ClearFields() override { Seen << QStringLiteral("campos limpos"); }
  void FocusField(const QString& name) override { Seen << QStringLiteral("foco: ") + name; }
};
