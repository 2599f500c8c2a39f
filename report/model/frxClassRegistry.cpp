#include "report/model/frxClassRegistry.h"

#include "report/model/frxBand.h"
#include "report/model/frxDataSet.h"
#include "report/model/frxLineView.h"
#include "report/model/frxMemoView.h"
#include "report/model/frxPage.h"
#include "report/model/frxPictureView.h"
#include "report/model/frxReportPage.h"
#include "report/model/frxShapeView.h"
#include "report/model/frxShortBytes.h"

#include <type_traits>
#include <utility>
#include <vector>

using namespace quitanza::platform;

namespace {

template <class T> TfrxComponent* Create(TfrxComponent* parent) { return new T(parent); }

struct TRegisteredClass {
  TRegisteredClass(const QString& name, TfrxComponentFactory factory) : Name(name), Factory(factory)
  {
    const QByteArray latin1 = name.toLatin1();
    if (latin1.size() <= static_cast<qsizetype>(TfrxShortBytes::kMaxSize) && QString::fromLatin1(latin1) == name)
      Latin1 = TfrxShortBytes::Of(latin1.constData(), static_cast<std::size_t>(latin1.size()));
  }

  QString Name;
  // The name as Latin-1 bytes, the form files hold; empty when too long.
  TfrxShortBytes Latin1;
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

// A class name read from a file, spelled exactly: three words compared per
// class instead of a string comparison.
TfrxComponentFactory FindExactLatin1(QLatin1StringView className)
{
  const auto size = static_cast<std::size_t>(className.size());
  if (size == 0 || size > TfrxShortBytes::kMaxSize)
    return nullptr;
  const TfrxShortBytes key = TfrxShortBytes::Of(className.data(), size);
  for (const TRegisteredClass& registered : Registry()) {
    if (registered.Latin1 == key)
      return registered.Factory;
  }
  return nullptr;
}

}  // namespace

TfrxComponentFactory frxFindClass(QAnyStringView className)
{
  // Files spell class names exactly; other spellings are the rare case.
  const TfrxComponentFactory exact = className.visit([](auto view) -> TfrxComponentFactory {
    if constexpr (std::is_same_v<decltype(view), QLatin1StringView>)
      return FindExactLatin1(view);
    else
      return nullptr;
  });
  if (exact)
    return exact;
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
  Registry().emplace_back(className, factory);
}
