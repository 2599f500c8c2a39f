#include "report/model/frxClassRegistry.h"

#include "report/model/frxBand.h"
#include "report/model/frxDataSet.h"
#include "report/model/frxLineView.h"
#include "report/model/frxMemoView.h"
#include "report/model/frxPage.h"
#include "report/model/frxPictureView.h"
#include "report/model/frxReportPage.h"
#include "report/model/frxShapeView.h"

#include <vector>

using namespace quitanza::platform;

namespace {

template <class T> TfrxComponent* Create(TfrxComponent* parent) { return new T(parent); }

struct TRegisteredClass {
  QString Name;
  TfrxComponentFactory Factory;
};

std::vector<TRegisteredClass>& Registry()
{
  static std::vector<TRegisteredClass> registry = {
      {QStringLiteral("TfrxMemoView"), &Create<TfrxMemoView>},
      {QStringLiteral("TfrxLineView"), &Create<TfrxLineView>},
      {QStringLiteral("TfrxShapeView"), &Create<TfrxShapeView>},
      {QStringLiteral("TfrxPictureView"), &Create<TfrxPictureView>},
      {QStringLiteral("TfrxSysMemoView"), &Create<TfrxSysMemoView>},
      {QStringLiteral("TfrxReportPage"), &Create<TfrxReportPage>},
      {QStringLiteral("TfrxDataPage"), &Create<TfrxDataPage>},
      {QStringLiteral("TfrxNullBand"), &Create<TfrxNullBand>},
      {QStringLiteral("TfrxDataSet"), &Create<TfrxDataSet>},
  };
  return registry;
}

}  // namespace

TfrxComponentFactory frxFindClass(QAnyStringView className)
{
  for (const TRegisteredClass& registered : Registry()) {
    if (QAnyStringView::compare(className, registered.Name, Qt::CaseInsensitive) == 0)
      return registered.Factory;
  }
  return nullptr;
}

void frxRegisterClass(const QString& className, TfrxComponentFactory factory)
{
  for (TRegisteredClass& registered : Registry()) {
    if (className.compare(registered.Name, Qt::CaseInsensitive) == 0) {
      registered.Factory = factory;
      return;
    }
  }
  Registry().push_back({className, factory});
}
