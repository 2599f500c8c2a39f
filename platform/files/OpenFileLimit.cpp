#include "platform/files/OpenFileLimit.h"

#include <algorithm>
#include <sys/resource.h>

namespace quitanza::platform {

void AllowOpenFiles(std::size_t files)
{
  // The files a process opens on its own: standard streams, libraries, fonts, the lock.
  constexpr rlim_t AlreadyOpen = 64;
  rlimit limit{};
  if (::getrlimit(RLIMIT_NOFILE, &limit) != 0)
    return;
  const rlim_t wanted = rlim_t(files) + AlreadyOpen;
  if (limit.rlim_cur == RLIM_INFINITY || limit.rlim_cur >= wanted)
    return;
  limit.rlim_cur = limit.rlim_max == RLIM_INFINITY ? wanted : std::min(limit.rlim_max, wanted);
  ::setrlimit(RLIMIT_NOFILE, &limit);
}

}  // namespace quitanza::platform
