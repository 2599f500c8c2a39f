#pragma once

#include "report/model/frxPropTable.h"
#include "report/model/frxTypes.h"

class TfrxPreviewOptions {
public:
  bool AllowEdit = true;
  TfrxPreviewButtons Buttons = frxAllPreviewButtons;
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
  TfrxZoomMode ZoomMode = zmDefault;
  bool PictureCacheInFile = false;

  // What clearing the report resets.
  void Clear();

  static const TfrxPropTable& Props();
};
