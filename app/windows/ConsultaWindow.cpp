#include "app/windows/ConsultaWindow.h"

#include "app/windows/Controls.h"
#include "app/windows/RegisterModel.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace quitanza::app {

ConsultaWindow::ConsultaWindow(DataModule& dm, const WindowServices& services, QWidget* parent)
  : QDialog(parent),
    m_dm(dm),
    m_ui(*this, services.Preview),
    m_workflow(dm, m_ui),
    m_keyPreview(*this, [this](QKeyEvent& key) {
      if (key.key() != Qt::Key_Escape)
        return false;
      reject();
      return true;
    })
{
  setObjectName(QStringLiteral("frmConsultar"));
  setWindowTitle(QStringLiteral("Consultar"));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  BuildControls();
  SizeResizableWindow(*this, QSize(679, 316));
}

ConsultaWindow::~ConsultaWindow() = default;

void ConsultaWindow::BuildControls()
{
  m_model = new RegisterModel(m_dm.cdsReg, this);
  DBGrid1 = new QTableView(this);
  DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
  DBGrid1->setModel(m_model);
  DBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
  DBGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
  DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
  DBGrid1->setTabKeyNavigation(true);
  DBGrid1->verticalHeader()->hide();
  DBGrid1->horizontalHeader()->setHighlightSections(false);
  // The client takes the width the others leave, 440 pixels at the window's
  // own size.
  DBGrid1->horizontalHeader()->setSectionResizeMode(RegisterModel::Cliente, QHeaderView::Stretch);
  DBGrid1->setColumnWidth(RegisterModel::CNPJ, 130);
  DBGrid1->setColumnWidth(RegisterModel::Valor, 92);
  // The selected row stays visible when the buttons have the focus.
  QPalette colours = DBGrid1->palette();
  for (QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
    colours.setColor(QPalette::Inactive, role, colours.color(QPalette::Active, role));
  DBGrid1->setPalette(colours);

  btnExportar = NewButton(this, QStringLiteral("btnExportar"), QStringLiteral("Ex&portar..."), ButtonPicture::Salvar);
  btnImprimir = NewButton(this, QStringLiteral("btnImprimir"), QStringLiteral("&Imprimir"), ButtonPicture::Imprimir);
  BitBtn2 = NewButton(this, QStringLiteral("BitBtn2"), QStringLiteral("&Excluir"), ButtonPicture::Excluir);
  BitBtn1 = NewButton(this, QStringLiteral("BitBtn1"), QStringLiteral("&Fechar"), ButtonPicture::Fechar);
  auto* Panel1 = new QHBoxLayout;
  Panel1->addStretch();
  Panel1->addWidget(btnExportar);
  Panel1->addWidget(btnImprimir);
  Panel1->addWidget(BitBtn2);
  Panel1->addWidget(BitBtn1);
  auto* window = new QVBoxLayout(this);
  window->addWidget(DBGrid1, 1);
  window->addLayout(Panel1);

  setTabOrder(DBGrid1, BitBtn1);
  setTabOrder(BitBtn1, BitBtn2);
  setTabOrder(BitBtn2, btnImprimir);
  setTabOrder(btnImprimir, btnExportar);

  connect(DBGrid1->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          [this](const QModelIndex& current) {
            if (current.isValid())
              m_dm.cdsReg.MoveTo(current.row());
          });
  connect(DBGrid1, &QTableView::doubleClicked, this, [this] {
    if (!m_dm.cdsReg.IsEmpty())
      btnImprimir->click();
  });
  connect(btnImprimir, &QPushButton::clicked, this, [this] { btnImprimirClick(); });
  connect(btnExportar, &QPushButton::clicked, this, [this] { btnExportarClick(); });
  connect(BitBtn2, &QPushButton::clicked, this, [this] { BitBtn2Click(); });
  connect(BitBtn1, &QPushButton::clicked, this, [this] { reject(); });
}

void ConsultaWindow::showEvent(QShowEvent* event)
{
  QDialog::showEvent(event);
  m_workflow.FormShow();
  SelectCurrentRow();
  DBGrid1->setFocus(Qt::OtherFocusReason);
}

void ConsultaWindow::SelectCurrentRow()
{
  if (m_dm.cdsReg.IsEmpty())
    return;
  DBGrid1->selectRow(static_cast<int>(m_dm.cdsReg.CurrentIndex()));
}

void ConsultaWindow::BitBtn2Click()
{
  if (!m_workflow.BitBtn2Click())
    return;
  m_model->Reload();
  SelectCurrentRow();
}

void ConsultaWindow::btnImprimirClick()
{
  btnImprimir->setEnabled(false);
  m_workflow.btnImprimirClick();
  btnImprimir->setEnabled(true);
}

void ConsultaWindow::btnExportarClick()
{
  QFileDialog SaveDialog1(this, QStringLiteral("Exportar o registro"), QString(), QStringLiteral("Planilha CSV (*.csv)"));
  SaveDialog1.setObjectName(QStringLiteral("SaveDialog1"));
  SaveDialog1.setAcceptMode(QFileDialog::AcceptSave);
  SaveDialog1.setDefaultSuffix(QStringLiteral("csv"));
  SaveDialog1.selectFile(QStringLiteral("recibos.csv"));
  if (SaveDialog1.exec() != QDialog::Accepted || SaveDialog1.selectedFiles().isEmpty())
    return;
  m_workflow.btnExportarClick(SaveDialog1.selectedFiles().constFirst());
}

}  // namespace quitanza::app
