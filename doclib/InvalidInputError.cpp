#include "doclib/InvalidInputError.h"

namespace quitanza::doclib {

InvalidInputError::InvalidInputError(const QString& message)
  : std::runtime_error(message.toStdString()), fMessage(message)
{
}

}  // namespace quitanza::doclib
