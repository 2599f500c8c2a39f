#include "report/model/PictureView.h"

#include "report/model/PropBuilder.h"

#include <QFileInfo>

namespace quitanza::report {

using namespace platform;

PictureView::PictureView(report::Component* parent) : report::View(parent) { Color = clWhite; }

void PictureView::SetAutoSize(bool value)
{
  m_autoSize = value;
  if (m_autoSize && !m_picture.IsEmpty()) {
    SetWidth(m_picture.Width());
    SetHeight(m_picture.Height());
  }
}

void PictureView::SetTransparent(bool value)
{
  m_transparent = value;
  Color = value ? clNone : clWhite;
}

void PictureView::Changed()
{
  PictureChanged = true;
  SetAutoSize(m_autoSize);
}

void PictureView::SetPicture(const report::Picture& picture)
{
  m_picture = picture;
  Changed();
}

void PictureView::LoadPictureFromFile(const QString& fileName)
{
  m_picture.LoadFromFile(fileName);
  Changed();
}

void PictureView::ClearPicture()
{
  m_picture.Clear();
  Changed();
}

void PictureView::GetData()
{
  report::View::GetData();
  if (FileLink.isEmpty())
    return;
  const QString fileName = ExpandPlain(FileLink);
  if (QFileInfo(fileName).isFile())
    LoadPictureFromFile(fileName);
  else
    ClearPicture();
}

const PropTable& PictureView::Props() const
{
  static const PropTable table = [] {
    using C = report::PictureView;
    PropTable catalog;
    catalog.Append(ViewCatalog());
    PropBuilder<C, report::Component> b(catalog);
    b.Bool(QStringLiteral("AutoSize"), Access(&C::AutoSize, &C::SetAutoSize), false);
    b.Bool(QStringLiteral("Center"), &C::Center, false);
    b.Str(QStringLiteral("FileLink"), &C::FileLink);
    b.Int(QStringLiteral("ImageIndex"), &C::ImageIndex, std::nullopt);
    b.When([](const C& p) { return p.IsImageIndexStored; });
    b.Bool(QStringLiteral("KeepAspectRatio"), &C::KeepAspectRatio, true);
    b.Sub(QStringLiteral("Picture"), &C::m_picture, report::Picture::Props(), &C::Changed);
    b.When([](const C& p) { return p.IsPictureStored; });
    b.Bool(QStringLiteral("Stretched"), &C::Stretched, true);
    b.Bool(QStringLiteral("HightQuality"), &C::HightQuality, std::nullopt);
    b.Bool(QStringLiteral("Transparent"), Access(&C::Transparent, &C::SetTransparent), std::nullopt);
    b.Int(QStringLiteral("TransparentColor"), &C::TransparentColor, std::nullopt);

    PropTable t;
    t.Append(ViewHead());
    t.Append(PropTable::Select(
        catalog, {u"Cursor", u"AutoSize", u"Center", u"DataField", u"DataSet", u"DataSetName", u"Frame", u"FileLink",
                  u"ImageIndex", u"KeepAspectRatio", u"Picture", u"Stretched", u"TagStr", u"URL", u"HightQuality",
                  u"Transparent", u"TransparentColor"}));
    return t;
  }();
  return table;
}

}  // namespace quitanza::report
