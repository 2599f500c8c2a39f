#pragma once

// The report tree in one include.
#include "report/model/frxBand.h"
#include "report/model/frxClassRegistry.h"
#include "report/model/frxComponent.h"
#include "report/model/frxDataSet.h"
#include "report/model/frxLineView.h"
#include "report/model/frxMemoView.h"
#include "report/model/frxPage.h"
#include "report/model/frxPictureView.h"
#include "report/model/frxReport.h"
#include "report/model/frxReportComponent.h"
#include "report/model/frxReportPage.h"
#include "report/model/frxShapeView.h"
#include "report/model/frxUnits.h"
#include "report/model/frxView.h"
