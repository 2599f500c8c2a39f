#include "app/windows/PrincipalWindow.h"

#include "app/ProgramFiles.h"
#include "app/widgets/ValidatedEdit.h"
#include "app/windows/AutenticarWindow.h"
#include "app/windows/ConfiguracaoWindow.h"
#include "app/windows/ConsultaWindow.h"
#include "app/windows/Controls.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

#include <thread>

namespace quitanza::app {

using namespace doclib;

// Issuing's progress bar and the entry fields, for the issuing workflow.
class PrincipalWindow::Interface final : public WindowUserInterface {
public:
  Interface(PrincipalWindow& window, PreviewFunction preview)
    : WindowUserInterface(window, std::move(preview)), m_window(window)
  {
  }

  // The window takes no input meanwhile: no events are processed, the bar
  // is painted at once.
  void ShowProgress() override
  {
    QProgressBar& bar = *m_window.ProgressBar1;
    bar.setMaximum(100);
    bar.show();
    for (int position = 0; position <= 100; ++position) {
      bar.setValue(position);
      bar.repaint();
      std::this_thread::sleep_for(m_window.m_progressStep);
    }
  }
  void HideProgress() override { m_window.ProgressBar1->hide(); }
  void ClearFields() override
  {
    m_window.edtCliente->Clear();
    m_window.edtCNPJ->Clear();
    m_window.edtValor->Clear();
    m_window.mmReferente->clear();
  }

private:
  PrincipalWindow& m_window;
};

PrincipalWindow::PrincipalWindow(DataModule& dm, WindowServices services, QWidget* parent)
  : QWidget(parent),
    m_dm(dm),
    m_services(std::move(services)),
    m_ui(std::make_unique<Interface>(*this, m_services.Preview)),
    m_workflow(dm, *m_ui),
    m_keyPreview(*this, [this](QKeyEvent& key) { return FormKeyPress(key); })
{
  setObjectName(QStringLiteral("frmPrincipal"));
  setWindowTitle(QStringLiteral("Morvat Sistemas - Quitanza"));
  setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  BuildControls();
  FixWindowSize(*this, QSize(637, 372));
}

PrincipalWindow::~PrincipalWindow() = default;

QUrl PrincipalWindow::ManualAddress()
{
  return QUrl::fromLocalFile(ProgramFilePath(u"manual.pdf"));
}

QUrl PrincipalWindow::MakerWebAddress()
{
  return QUrl(QStringLiteral("https://www.quitanza.com.br"));
}

void PrincipalWindow::BuildControls()
{
  Image1 = new QLabel(this);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->setFixedHeight(100);
  Image1->setPixmap(BannerPicture(QSize(637, 100), devicePixelRatioF()));
  Image1->setCursor(Qt::PointingHandCursor);
  Image1->installEventFilter(this);

  ProgressBar1 = new QProgressBar(this);
  ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
  ProgressBar1->setFixedHeight(6);
  ProgressBar1->setTextVisible(false);
  ProgressBar1->hide();

  auto* GroupBox2 = new QGroupBox(this);
  GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
  auto* RadioGroup1 = new QGroupBox(QStringLiteral(" Tipo: "), GroupBox2);
  RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
  rbRecebimento = new QRadioButton(QStringLiteral("Recebimento"), RadioGroup1);
  rbRecebimento->setObjectName(QStringLiteral("rbRecebimento"));
  rbPagamento = new QRadioButton(QStringLiteral("Pagamento"), RadioGroup1);
  rbPagamento->setObjectName(QStringLiteral("rbPagamento"));
  rbRecebimento->setChecked(true);
  auto* tipos = new QHBoxLayout(RadioGroup1);
  tipos->addWidget(rbRecebimento);
  tipos->addWidget(rbPagamento);

  edtCliente = NewEntryField(GroupBox2, QStringLiteral("edtCliente"));
  edtCliente->SetMaxLength(200);
  edtCNPJ = NewEntryField(GroupBox2, QStringLiteral("edtCNPJ"));
  edtCNPJ->SetCheck(Check::CpfCnpj);
  edtCNPJ->SetCaracter(Caracters::Numeric);
  edtValor = NewEntryField(GroupBox2, QStringLiteral("edtValor"));
  edtValor->SetCaracter(Caracters::Real);
  mmReferente = new QPlainTextEdit(GroupBox2);
  mmReferente->setObjectName(QStringLiteral("mmReferente"));
  mmReferente->setTabChangesFocus(true);
  mmReferente->setFixedHeight(60);

  auto* fields = new QGridLayout(GroupBox2);
  fields->addWidget(RadioGroup1, 0, 0, 1, 2);
  fields->addWidget(NewLabel(QStringLiteral("Cliente:"), edtCliente, GroupBox2, QStringLiteral("Label7")), 1, 0, 1, 2);
  fields->addWidget(edtCliente, 2, 0, 1, 2);
  fields->addWidget(NewLabel(QStringLiteral("CPF/CNPJ:"), edtCNPJ, GroupBox2, QStringLiteral("Label8")), 3, 0);
  fields->addWidget(NewLabel(QStringLiteral("Valor:"), edtValor, GroupBox2, QStringLiteral("Label9")), 3, 1);
  fields->addWidget(edtCNPJ, 4, 0);
  fields->addWidget(edtValor, 4, 1);
  fields->addWidget(NewLabel(QStringLiteral("Referente:"), mmReferente, GroupBox2, QStringLiteral("Label10")), 5, 0,
                    1, 2);
  fields->addWidget(mmReferente, 6, 0, 1, 2);

  SpeedButton1 = new QToolButton(this);
  SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
  SpeedButton1->setText(QStringLiteral("(F1)"));
  SpeedButton1->setToolTip(QStringLiteral("Manual"));
  SpeedButton1->setIcon(ButtonIcon(ButtonPicture::Manual));
  SpeedButton1->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  SpeedButton1->setFocusPolicy(Qt::NoFocus);
  SpeedButton1->setAutoRaise(true);
  BitBtn2 = NewButton(this, QStringLiteral("BitBtn2"), QStringLiteral(u"&Configuração"), ButtonPicture::Configuracao);
  btnAutenticar = NewButton(this, QStringLiteral("btnAutenticar"), QStringLiteral("Autenticar"), ButtonPicture::Autenticar);
  btnEmitir = NewButton(this, QStringLiteral("btnEmitir"), QStringLiteral("&Emitir"), ButtonPicture::Emitir);
  btnLimpar = NewButton(this, QStringLiteral("btnLimpar"), QStringLiteral("&Limpar"), ButtonPicture::Limpar);
  btnConsultar = NewButton(this, QStringLiteral("btnConsultar"), QStringLiteral("&Consultar/Reimprimir"),
                           ButtonPicture::Consultar);
  BitBtn1 = NewButton(this, QStringLiteral("BitBtn1"), QStringLiteral("&Fechar"), ButtonPicture::Fechar);
  // Reached with the mouse or their keys only: Tab and Enter pass them by.
  BitBtn2->setFocusPolicy(Qt::ClickFocus);
  btnAutenticar->setFocusPolicy(Qt::ClickFocus);

  auto* buttons = new QHBoxLayout;
  for (QWidget* button : {static_cast<QWidget*>(SpeedButton1), static_cast<QWidget*>(BitBtn2),
                          static_cast<QWidget*>(btnAutenticar)})
    buttons->addWidget(button);
  buttons->addStretch();
  for (QPushButton* button : {btnEmitir, btnLimpar, btnConsultar, BitBtn1})
    buttons->addWidget(button);

  auto* body = new QVBoxLayout;
  body->setContentsMargins(8, 4, 8, 8);
  body->addWidget(GroupBox2, 1);
  body->addLayout(buttons);
  auto* window = new QVBoxLayout(this);
  window->setContentsMargins(0, 0, 0, 0);
  window->setSpacing(0);
  window->addWidget(Image1);
  window->addWidget(ProgressBar1);
  window->addLayout(body, 1);

  setTabOrder(rbRecebimento, rbPagamento);
  setTabOrder(rbPagamento, edtCliente);
  setTabOrder(edtCliente, edtCNPJ);
  setTabOrder(edtCNPJ, edtValor);
  setTabOrder(edtValor, mmReferente);
  setTabOrder(mmReferente, btnEmitir);
  setTabOrder(btnEmitir, btnLimpar);
  setTabOrder(btnLimpar, btnConsultar);
  setTabOrder(btnConsultar, BitBtn1);

  connect(btnEmitir, &QPushButton::clicked, this, [this] { btnEmitirClick(); });
  connect(btnLimpar, &QPushButton::clicked, this, [this] { m_workflow.btnLimparClick(); });
  connect(btnConsultar, &QPushButton::clicked, this, [this] { OpenWindow<ConsultaWindow>(); });
  connect(btnAutenticar, &QPushButton::clicked, this, [this] { OpenWindow<AutenticarWindow>(); });
  connect(BitBtn2, &QPushButton::clicked, this, [this] { OpenWindow<ConfiguracaoWindow>(); });
  connect(BitBtn1, &QPushButton::clicked, this, [this] { close(); });
  connect(SpeedButton1, &QToolButton::clicked, this, [this] { m_services.Open(ManualAddress()); });
}

void PrincipalWindow::showEvent(QShowEvent* event)
{
  QWidget::showEvent(event);
  if (m_shown)
    return;
  m_shown = true;
  m_workflow.FormShow();
}

void PrincipalWindow::closeEvent(QCloseEvent* event)
{
  if (m_workflow.FormClose())
    event->accept();
  else
    event->ignore();
}

bool PrincipalWindow::eventFilter(QObject* watched, QEvent* event)
{
  if (watched == Image1 && event->type() == QEvent::MouseButtonRelease) {
    m_services.Open(MakerWebAddress());
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

bool PrincipalWindow::FormKeyPress(QKeyEvent& key)
{
  if (key.key() == Qt::Key_F1) {
    SpeedButton1->click();
    return true;
  }
  // Enter moves on as Tab does and still reaches the control: in Referente
  // it also starts a new line.
  if (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter)
    FocusNextTabStop(*this);
  return false;
}

void PrincipalWindow::btnEmitirClick()
{
  // Not issued twice by a double click or a held key: clicks that came in
  // while it worked reach a disabled button.
  btnEmitir->setEnabled(false);
  m_workflow.btnEmitirClick(ReceiptEntry{edtCliente->text(), edtCNPJ->text(), edtValor->text(),
                                         mmReferente->toPlainText(), rbPagamento->isChecked() ? 1 : 0});
  QCoreApplication::processEvents();
  btnEmitir->setEnabled(true);
}

template <typename Window>
void PrincipalWindow::OpenWindow()
{
  Window window(m_dm, m_services, this);
  window.exec();
}

}  // namespace quitanza::app
