#include "report/model/PreviewOptions.h"

#include "report/model/PropBuilder.h"

namespace quitanza::report {

void PreviewOptions::Clear()
{
  OutlineExpand = true;
  OutlineVisible = false;
  OutlineWidth = 120;
  PagesInCache = 50;
  ThumbnailVisible = false;
}

const PropTable& PreviewOptions::Props()
{
  static const PropTable table = [] {
    using O = report::PreviewOptions;
    PropTable t;
    PropBuilder<O> b(t);
    b.Bool(QStringLiteral("AllowEdit"), &O::AllowEdit, true);
    b.Set(QStringLiteral("Buttons"), &O::Buttons, std::nullopt);
    b.Bool(QStringLiteral("DoubleBuffered"), &O::DoubleBuffered, true);
    b.Bool(QStringLiteral("Maximized"), &O::Maximized, true);
    b.Bool(QStringLiteral("MDIChild"), &O::MDIChild, false);
    b.Bool(QStringLiteral("Modal"), &O::Modal, true);
    b.Bool(QStringLiteral("OutlineExpand"), &O::OutlineExpand, true);
    b.Bool(QStringLiteral("OutlineVisible"), &O::OutlineVisible, false);
    b.Int(QStringLiteral("OutlineWidth"), &O::OutlineWidth, 120);
    b.Int(QStringLiteral("PagesInCache"), &O::PagesInCache, 50);
    b.Bool(QStringLiteral("ThumbnailVisible"), &O::ThumbnailVisible, false);
    b.Bool(QStringLiteral("ShowCaptions"), &O::ShowCaptions, false);
    b.Float(QStringLiteral("Zoom"), &O::Zoom);
    b.Enum(QStringLiteral("ZoomMode"), &O::ZoomMode, ZoomModeNames, ZoomMode::Default);
    b.Bool(QStringLiteral("PictureCacheInFile"), &O::PictureCacheInFile, false);
    return t;
  }();
  return table;
}

}  // namespace quitanza::report
