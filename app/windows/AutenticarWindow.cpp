#include "app/windows/AutenticarWindow.h"

#include "app/widgets/ValidatedEdit.h"
#include "app/windows/Controls.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace quitanza::app {

using namespace doclib;

AutenticarWindow::AutenticarWindow(DataModule& dm, const WindowServices& services, QWidget* parent)
  : QDialog(parent),
    m_ui(*this, services.Preview),
    m_workflow(dm, m_ui),
    m_keyPreview(*this, [this](QKeyEvent& key) { return DialogKeyPress(*this, key); })
{
  setObjectName(QStringLiteral("frmAutenticar"));
  setWindowTitle(QStringLiteral(u"Verificar autenticação"));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  BuildControls();
  SizeResizableWindow(*this, QSize(450, 157));
}

AutenticarWindow::~AutenticarWindow() = default;

void AutenticarWindow::BuildControls()
{
  edtCodigo = NewEntryField(this, QStringLiteral("edtCodigo"));
  edtCodigo->SetCaracter(Caracters::Numeric);
  edtCliente = NewEntryField(this, QStringLiteral("edtCliente"));
  edtCliente->SetMaxLength(200);
  edtValor = NewEntryField(this, QStringLiteral("edtValor"));
  edtValor->SetCaracter(Caracters::Real);
  edtAutenticacao = NewEntryField(this, QStringLiteral("edtAutenticacao"));
  edtAutenticacao->setReadOnly(true);
  edtAutenticacao->setFocusPolicy(Qt::ClickFocus);
  QPalette information = edtAutenticacao->palette();
  information.setColor(QPalette::Base, information.color(QPalette::ToolTipBase));
  edtAutenticacao->setPalette(information);

  auto* rows = new QGridLayout;
  const QList<std::pair<QString, ValidatedEdit*>> fields = {
    {QStringLiteral(u"Recibo N°:"), edtCodigo},
    {QStringLiteral("Cliente:"), edtCliente},
    {QStringLiteral("Valor:"), edtValor},
    {QStringLiteral(u"Autenticação:"), edtAutenticacao},
  };
  for (int row = 0; row < fields.size(); ++row) {
    const auto& [caption, field] = fields.at(row);
    rows->addWidget(NewLabel(caption, field, this, QStringLiteral("Label%1").arg(row + 1)), row, 0);
    rows->addWidget(field, row, 1);
    field->setMinimumWidth(359);
  }

  BitBtn1 = NewButton(this, QStringLiteral("BitBtn1"), QStringLiteral("&Autenticar"), ButtonPicture::Autenticar);
  BitBtn2 = NewButton(this, QStringLiteral("BitBtn2"), QStringLiteral("&Fechar"), ButtonPicture::Fechar);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(BitBtn1);
  buttons->addWidget(BitBtn2);
  auto* window = new QVBoxLayout(this);
  window->addLayout(rows);
  window->addStretch();
  window->addLayout(buttons);

  setTabOrder(edtCodigo, edtCliente);
  setTabOrder(edtCliente, edtValor);
  setTabOrder(edtValor, BitBtn1);
  setTabOrder(BitBtn1, BitBtn2);

  connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
  connect(BitBtn2, &QPushButton::clicked, this, [this] { reject(); });
}

void AutenticarWindow::BitBtn1Click()
{
  if (const std::optional<QString> code =
        m_workflow.BitBtn1Click({edtCodigo->text(), edtCliente->text(), edtValor->text()}))
    edtAutenticacao->setText(*code);
}

}  // namespace quitanza::app
