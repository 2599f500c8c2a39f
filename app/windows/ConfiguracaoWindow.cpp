#include "app/windows/ConfiguracaoWindow.h"

#include "app/widgets/ValidatedEdit.h"
#include "app/windows/Controls.h"
#include "app/windows/LogoPreview.h"

#include <QAction>
#include <QFile>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace quitanza::app {

using namespace doclib;

namespace {

QLineEdit* NewPlainField(QWidget* parent, const QString& name)
{
  auto* field = new QLineEdit(parent);
  field->setObjectName(name);
  field->setFont(EntryFont());
  return field;
}

ValidatedEdit* NewCheckedField(QWidget* parent, const QString& name, Check check)
{
  ValidatedEdit* field = NewEntryField(parent, name);
  field->SetCheck(check);
  return field;
}

}  // namespace

ConfiguracaoWindow::ConfiguracaoWindow(DataModule& dm, const WindowServices& services, QWidget* parent)
  : QDialog(parent),
    m_ui(*this, services.Preview),
    m_workflow(dm, m_ui),
    m_keyPreview(*this, [this](QKeyEvent& key) { return DialogKeyPress(*this, key); })
{
  setObjectName(QStringLiteral("frmConfiguracao"));
  setWindowTitle(QStringLiteral(u"Configuração"));
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint);
  BuildControls();
  FixWindowSize(*this, QSize(744, 322));
}

ConfiguracaoWindow::~ConfiguracaoWindow() = default;

void ConfiguracaoWindow::BuildControls()
{
  auto* GroupBox1 = new QGroupBox(QStringLiteral(" Emitente: "), this);
  edtEmpresa = NewPlainField(GroupBox1, QStringLiteral("edtEmpresa"));
  edtEndereco = NewPlainField(GroupBox1, QStringLiteral("edtEndereco"));
  edtBairro = NewPlainField(GroupBox1, QStringLiteral("edtBairro"));
  edtCidade = NewPlainField(GroupBox1, QStringLiteral("edtCidade"));
  edtCPFCNPJEmpresa = NewCheckedField(GroupBox1, QStringLiteral("edtCPFCNPJEmpresa"), Check::CpfCnpj);
  edtTelefone = NewCheckedField(GroupBox1, QStringLiteral("edtTelefone"), Check::Telefone);
  edtEmail = NewCheckedField(GroupBox1, QStringLiteral("edtEmail"), Check::Email);
  edtSite = NewCheckedField(GroupBox1, QStringLiteral("edtSite"), Check::URL);
  edtImagem = NewPlainField(GroupBox1, QStringLiteral("edtImagem"));
  QAction* chooseLogo = edtImagem->addAction(ButtonIcon(ButtonPicture::Abrir), QLineEdit::TrailingPosition);
  chooseLogo->setToolTip(QStringLiteral("Escolher a imagem"));
  Image1 = new LogoPreview(GroupBox1);
  Image1->setObjectName(QStringLiteral("Image1"));

  auto* rows = new QGridLayout;
  const QList<std::pair<QString, QLineEdit*>> fields = {
    {QStringLiteral("Nome:"), edtEmpresa},
    {QStringLiteral(u"Endereço:"), edtEndereco},
    {QStringLiteral("Bairro:"), edtBairro},
    {QStringLiteral("Cidade:"), edtCidade},
    {QStringLiteral("CPF/CNPJ:"), edtCPFCNPJEmpresa},
    {QStringLiteral("Telefone:"), edtTelefone},
    {QStringLiteral("E-mail:"), edtEmail},
    {QStringLiteral("Site:"), edtSite},
    {QStringLiteral("Imagem:"), edtImagem},
  };
  for (int row = 0; row < fields.size(); ++row) {
    const auto& [caption, field] = fields.at(row);
    rows->addWidget(NewLabel(caption, field, GroupBox1, QStringLiteral("Label%1").arg(row + 1)), row, 0);
    rows->addWidget(field, row, 1);
    field->setMinimumWidth(369);
  }
  auto* frame = new QHBoxLayout(GroupBox1);
  frame->addLayout(rows, 1);
  frame->addWidget(Image1, 0, Qt::AlignTop);

  BitBtn2 = NewButton(this, QStringLiteral("BitBtn2"), QStringLiteral("&Salvar"), ButtonPicture::Salvar);
  BitBtn1 = NewButton(this, QStringLiteral("BitBtn1"), QStringLiteral("&Fechar"), ButtonPicture::Fechar);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(BitBtn2);
  buttons->addWidget(BitBtn1);
  auto* window = new QVBoxLayout(this);
  window->addWidget(GroupBox1, 1);
  window->addLayout(buttons);

  QWidget* previous = edtEmpresa;
  for (QWidget* next : {static_cast<QWidget*>(edtEndereco), static_cast<QWidget*>(edtBairro),
                        static_cast<QWidget*>(edtCidade), static_cast<QWidget*>(edtCPFCNPJEmpresa),
                        static_cast<QWidget*>(edtTelefone), static_cast<QWidget*>(edtEmail),
                        static_cast<QWidget*>(edtSite), static_cast<QWidget*>(edtImagem),
                        static_cast<QWidget*>(BitBtn2), static_cast<QWidget*>(BitBtn1)}) {
    setTabOrder(previous, next);
    previous = next;
  }

  connect(chooseLogo, &QAction::triggered, this, [this] { edtImagemRightButtonClick(); });
  connect(BitBtn2, &QPushButton::clicked, this, [this] { BitBtn2Click(); });
  connect(BitBtn1, &QPushButton::clicked, this, [this] { reject(); });
}

void ConfiguracaoWindow::showEvent(QShowEvent* event)
{
  QDialog::showEvent(event);
  if (m_shown)
    return;
  m_shown = true;
  edtEmpresa->setFocus(Qt::OtherFocusReason);
  LerConfiguracao();
}

void ConfiguracaoWindow::LerConfiguracao()
{
  const IssuerSettings values = m_workflow.FormShow();
  edtEmpresa->setText(values.Empresa);
  edtEndereco->setText(values.Endereco);
  edtBairro->setText(values.Bairro);
  edtCidade->setText(values.Cidade);
  edtTelefone->setText(values.Telefone);
  edtEmail->setText(values.Email);
  edtSite->setText(values.Site);
  edtImagem->setText(values.Logo);
  edtCPFCNPJEmpresa->setText(values.CfpCnpj);
  if (!values.Logo.isEmpty() && QFile::exists(values.Logo))
    RunShowingErrors(m_ui, [&] { Image1->LoadFromFile(values.Logo); });
}

IssuerSettings ConfiguracaoWindow::Values() const
{
  IssuerSettings values;
  values.Empresa = edtEmpresa->text();
  values.Endereco = edtEndereco->text();
  values.Bairro = edtBairro->text();
  values.Cidade = edtCidade->text();
  values.CfpCnpj = edtCPFCNPJEmpresa->text();
  values.Telefone = edtTelefone->text();
  values.Email = edtEmail->text();
  values.Site = edtSite->text();
  values.Logo = edtImagem->text();
  return values;
}

void ConfiguracaoWindow::BitBtn2Click()
{
  if (m_workflow.BitBtn2Click(Values()))
    accept();
}

void ConfiguracaoWindow::edtImagemRightButtonClick()
{
  QFileDialog OpenPictureDialog1(this, QStringLiteral("Abrir imagem"), QString(), PictureFileFilter());
  OpenPictureDialog1.setObjectName(QStringLiteral("OpenPictureDialog1"));
  OpenPictureDialog1.setFileMode(QFileDialog::ExistingFile);
  if (OpenPictureDialog1.exec() != QDialog::Accepted || OpenPictureDialog1.selectedFiles().isEmpty())
    return;
  edtImagem->setText(QDir::toNativeSeparators(OpenPictureDialog1.selectedFiles().constFirst()));
  RunShowingErrors(m_ui, [&] { Image1->LoadFromFile(edtImagem->text()); });
}

}  // namespace quitanza::app
