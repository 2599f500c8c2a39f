#pragma once

#include "app/DataModule.h"

#include <QString>

#include <cstdint>
#include <exception>
#include <optional>

namespace quitanza::platform { class IniFile; }

namespace quitanza::app {

// The main window's entry fields as they hold them when Emitir is pressed.
struct ReceiptEntry {
  QString Cliente;    // edtCliente
  QString CNPJ;       // edtCNPJ: punctuated once left, bare digits while focused
  QString Valor;      // edtValor, in the form it shows at that moment (1.500,00)
  QString Referente;  // mmReferente, with its line breaks
  std::int32_t Tipo = 0;  // RadioGroup1: 0 Recebimento, 1 Pagamento
};

// An entry Emitir refuses before it issues anything: the message for the
// "Atenção" box and the field that then takes the focus.
struct EntryRefusal {
  QString Message;
  QString Field;
};

// The client is required ("Informe o Cliente.", edtCliente; spaces count as a
// name) and the amount must not be zero ("Informe o Valor.", edtValor;
// negative amounts go on). Throws InvalidInputError, from StringToFloat, for
// an amount text that is no number. Empty when the entry can be issued.
std::optional<EntryRefusal> RefusalOf(const ReceiptEntry& entry);

// A failure while issuing as the operator reads it: "Erro ao gerar recibo: "
// and the failure's own message.
QString IssueFailureMessage(const std::exception& error);

// The number after `codigo`; throws past the last possible number, where the
// counter would turn negative and repeat numbers.
std::int32_t NextCodigo(std::int32_t codigo);

// The steps every issued receipt goes through, whether the main window's
// Emitir issues it alone or a batch issues it among others: numbered,
// written out in words, authenticated, prepared in the template of its type
// and inserted into the register.
class ReceiptIssuer {
public:
  explicit ReceiptIssuer(DataModule& dm) : m_dm(dm) {}
  ~ReceiptIssuer();
  ReceiptIssuer(const ReceiptIssuer&) = delete;
  ReceiptIssuer& operator=(const ReceiptIssuer&) = delete;

  // The number the next receipt takes: one past both CODIGO and the highest
  // number in the register. The register is saved before the counter, so a
  // run that ended between the two has stored a number CODIGO does not know
  // yet, and must not issue it again.
  std::int32_t FirstFreeCodigo(const platform::IniFile& settings) const;

  // The amount in words, the authentication code, the template of the
  // entry's type with its variables (loaded unless this issuer's last
  // receipt was of the same type), and the report prepared: into pages
  // emptied first when `clearLastReport`, else after the pages already
  // there. Returns the row the register will keep for it.
  platform::ReceiptRecord Prepare(const ReceiptEntry& entry, const platform::IniFile& settings, std::int32_t codigo,
                                  bool clearLastReport);

  // The row inserted at the register's current row and posted: it becomes
  // the current row. Texts are cut to their fields' sizes. The file changes
  // at the next save.
  void Insert(const platform::ReceiptRecord& record);

private:
  DataModule& m_dm;
  std::optional<std::int32_t> m_loadedTipo;  // the template the report holds
};

}  // namespace quitanza::app
