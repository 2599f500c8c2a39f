#include "report/model/ClassRegistry.h"

#include "report/model/Band.h"
#include "report/model/DataSet.h"
#include "report/model/LineView.h"
#include "report/model/MemoView.h"
#include "report/model/Page.h"
#include "report/model/PictureView.h"
#include "report/model/ReportPage.h"
#include "report/model/ShapeView.h"

#include <vector>

namespace quitanza::report {

using namespace platform;

namespace {

template <class T> Component* Create(Component* parent) { return new T(parent); }

struct RegisteredClass {
  QString Name;
  ComponentFactory Factory;
};

std::vector<RegisteredClass>& Registry()
{
  static std::vector<RegisteredClass> registry = {
      {QStringLiteral("TfrxMemoView"), &Create<MemoView>},
      {QStringLiteral("TfrxLineView"), &Create<LineView>},
      {QStringLiteral("TfrxShapeView"), &Create<ShapeView>},
      {QStringLiteral("TfrxPictureView"), &Create<PictureView>},
      {QStringLiteral("TfrxSysMemoView"), &Create<SysMemoView>},
      {QStringLiteral("TfrxReportPage"), &Create<ReportPage>},
      {QStringLiteral("TfrxDataPage"), &Create<DataPage>},
      {QStringLiteral("TfrxNullBand"), &Create<NullBand>},
      {QStringLiteral("TfrxDataSet"), &Create<DataSet>},
  };
  return registry;
}

}  // namespace

ComponentFactory FindClass(QAnyStringView className)
{
  for (const RegisteredClass& registered : Registry()) {
    if (QAnyStringView::compare(className, registered.Name, Qt::CaseInsensitive) == 0)
      return registered.Factory;
  }
  return nullptr;
}

void RegisterClass(const QString& className, ComponentFactory factory)
{
  for (RegisteredClass& registered : Registry()) {
    if (className.compare(registered.Name, Qt::CaseInsensitive) == 0) {
      registered.Factory = factory;
      return;
    }
  }
  Registry().push_back({className, factory});
}

}  // namespace quitanza::report
