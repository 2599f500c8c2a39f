#include "report/model/frxClassRegistry.h"

#include "report/model/frxBand.h"
#include "report/model/frxDataSet.h"
#include "report/model/frxLineView.h"
#include "report/model/frxMemoView.h"
#include "report/model/frxPage.h"
#include "report/model/frxPictureView.h"
#include "report/model/frxReportPage.h"
#include "report/model/frxShapeView.h"

#include <type_traits>
#include <utility>
#include <vector>

namespace {

template <class T> TfrxComponent* Create(TfrxComponent* parent) { return new T(parent); }

std::vector<std::pair<QString, TfrxComponentFactory>>& Registry()
{
  static std::vector<std::pair<QString, TfrxComponentFactory>> registry = {
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

namespace {

// Files hold class names as Latin-1 bytes: compared in place.
bool SameName(QAnyStringView a, const QString& b)
{
  if (a.size() != b.size())
    return false;
  return a.visit([&](auto view) {
    if constexpr (std::is_same_v<decltype(view), QLatin1StringView>) {
      for (qsizetype i = 0; i < view.size(); ++i) {
        if (view[i].unicode() != b[i].unicode())
          return false;
      }
      return true;
    } else {
      return QAnyStringView::equal(view, b);
    }
  });
}

}  // namespace

TfrxComponentFactory frxFindClass(QAnyStringView className)
{
  // Files spell class names exactly; other spellings are the rare case.
  for (const auto& [name, factory] : Registry()) {
    if (SameName(className, name))
      return factory;
  }
  for (const auto& [name, factory] : Registry()) {
    if (QAnyStringView::compare(className, name, Qt::CaseInsensitive) == 0)
      return factory;
  }
  return nullptr;
}

void frxRegisterClass(const QString& className, TfrxComponentFactory factory)
{
  for (auto& [name, registered] : Registry()) {
    if (className.compare(name, Qt::CaseInsensitive) == 0) {
      registered = factory;
      return;
    }
  }
  Registry().emplace_back(className, factory);
}
