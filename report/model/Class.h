#pragma once

// The report tree in one include.
#include "report/model/Band.h"
#include "report/model/ClassRegistry.h"
#include "report/model/Component.h"
#include "report/model/DataSet.h"
#include "report/model/LineView.h"
#include "report/model/MemoView.h"
#include "report/model/Page.h"
#include "report/model/PictureView.h"
#include "report/model/Report.h"
#include "report/model/ReportComponent.h"
#include "report/model/ReportPage.h"
#include "report/model/ShapeView.h"
#include "report/model/Units.h"
#include "report/model/View.h"
