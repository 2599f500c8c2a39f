#include "doclib/InvalidInputError.h"

InvalidInputError::InvalidInputError(const QString& message)
  : std::runtime_error(message.toStdString()), fMessage(message)
{
}
