#include "ordinary_user.h"

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>

namespace vorn::test {

namespace {
constexpr unsigned kNobody = 65534;
}

unsigned ordinaryUserId()
{
  return ::geteuid() == 0 ? kNobody : ::geteuid();
}

std::string asOrdinaryUser(const std::function<std::string()>& check)
{
  if (::geteuid() != 0) {
    return check();
  }
  int channel[2];
  if (::pipe(channel) != 0) {
    return std::string("pipe: ") + std::strerror(errno);
  }
  const pid_t child = ::fork();
  if (child < 0) {
    return std::string("fork: ") + std::strerror(errno);
  }
  if (child == 0) {
    ::close(channel[0]);
    std::string problem;
    if (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0) {
      problem = std::string("cannot become an ordinary user: ") + std::strerror(errno);
    } else if (::geteuid() == 0) {
      problem = "still the superuser";
    } else {
      problem = check();
    }
    std::size_t done = 0;
    while (done < problem.size()) {
      const ssize_t n = ::write(channel[1], problem.data() + done, problem.size() - done);
      if (n <= 0) {
        break;
      }
      done += static_cast<std::size_t>(n);
    }
    ::_exit(0);
  }
  ::close(channel[1]);
  std::string problem;
  char buffer[4096];
  ssize_t n = 0;
  while ((n = ::read(channel[0], buffer, sizeof buffer)) > 0) {
    problem.append(buffer, static_cast<std::size_t>(n));
  }
  ::close(channel[0]);
  int status = 0;
  ::waitpid(child, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    problem += " (the check's process did not end normally)";
  }
  return problem;
}

}  // namespace vorn::test
