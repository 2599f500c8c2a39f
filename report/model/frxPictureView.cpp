#include "report/model/frxPictureView.h"

#include "report/model/frxPropBuilder.h"

#include <QFileInfo>

using namespace quitanza::platform;

TfrxPictureView::TfrxPictureView(TfrxComponent* parent) : TfrxView(parent) { Color = clWhite; }

void TfrxPictureView::SetAutoSize(bool value)
{
  FAutoSize = value;
  if (FAutoSize && !FPicture.IsEmpty()) {
    SetWidth(FPicture.Width());
    SetHeight(FPicture.Height());
  }
}

void TfrxPictureView::SetTransparent(bool value)
{
  FTransparent = value;
  Color = value ? clNone : clWhite;
}

void TfrxPictureView::Changed()
{
  PictureChanged = true;
  SetAutoSize(FAutoSize);
}

void TfrxPictureView::SetPicture(const TPicture& picture)
{
  FPicture = picture;
  Changed();
}

void TfrxPictureView::LoadPictureFromFile(const QString& fileName)
{
  FPicture.LoadFromFile(fileName);
  Changed();
}

void TfrxPictureView::ClearPicture()
{
  FPicture.Clear();
  Changed();
}

void TfrxPictureView::GetData()
{
  TfrxView::GetData();
  if (FileLink.isEmpty())
    return;
  const QString fileName = ExpandPlain(FileLink);
  if (QFileInfo(fileName).isFile())
    LoadPictureFromFile(fileName);
  else
    ClearPicture();
}

const TfrxPropTable& TfrxPictureView::Props() const
{
  static const TfrxPropTable table = [] {
    using C = TfrxPictureView;
    TfrxPropTable catalog;
    catalog.Append(ViewCatalog());
    TfrxPropBuilder<C, TfrxComponent> b(catalog);
    b.Bool(QStringLiteral("AutoSize"), Access(&C::AutoSize, &C::SetAutoSize), false);
    b.Bool(QStringLiteral("Center"), &C::Center, false);
    b.Str(QStringLiteral("FileLink"), &C::FileLink);
    b.Int(QStringLiteral("ImageIndex"), &C::ImageIndex, std::nullopt);
    b.When([](const C& p) { return p.IsImageIndexStored; });
    b.Bool(QStringLiteral("KeepAspectRatio"), &C::KeepAspectRatio, true);
    b.Sub(QStringLiteral("Picture"), &C::FPicture, TPicture::Props(), &C::Changed);
    b.When([](const C& p) { return p.IsPictureStored; });
    b.Bool(QStringLiteral("Stretched"), &C::Stretched, true);
    b.Bool(QStringLiteral("HightQuality"), &C::HightQuality, std::nullopt);
    b.Bool(QStringLiteral("Transparent"), Access(&C::Transparent, &C::SetTransparent), std::nullopt);
    b.Int(QStringLiteral("TransparentColor"), &C::TransparentColor, std::nullopt);

    TfrxPropTable t;
    t.Append(ViewHead());
    t.Append(TfrxPropTable::Select(
        catalog, {u"Cursor", u"AutoSize", u"Center", u"DataField", u"DataSet", u"DataSetName", u"Frame", u"FileLink",
                  u"ImageIndex", u"KeepAspectRatio", u"Picture", u"Stretched", u"TagStr", u"URL", u"HightQuality",
                  u"Transparent", u"TransparentColor"}));
    return t;
  }();
  return table;
}
