#pragma once

#include "report/model/PropTable.h"
#include "report/model/Types.h"

namespace quitanza::report {

class PreviewOptions {
public:
  bool AllowEdit = true;
  PreviewButtons Buttons = AllPreviewButtons;
  bool DoubleBuffered = true;
  bool Maximized = true;
  bool MDIChild = false;
  bool Modal = true;
  bool OutlineExpand = true;
  bool OutlineVisible = false;
  int OutlineWidth = 120;
  int PagesInCache = 50;
  bool ThumbnailVisible = false;
  bool ShowCaptions = false;
  long double Zoom = 1;
  report::ZoomMode ZoomMode = ZoomMode::Default;
  bool PictureCacheInFile = false;

  // What clearing the report resets.
  void Clear();

  static const PropTable& Props();
};

}  // namespace quitanza::report
