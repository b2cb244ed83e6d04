#pragma once

#include <functional>
#include <string>

namespace vorn::test {

// The user id that checks of permissions run as: the process's own, or nobody's when the tests
// run as the superuser (who may read and write whatever the permission bits say).
unsigned ordinaryUserId();

// Runs `check` as an ordinary user: in this process when it is one already, otherwise in a child
// process that gives up the superuser's rights first. Files the check needs must be reachable by
// ordinaryUserId(). The check gives what went wrong, or an empty text; so does this function.
std::string asOrdinaryUser(const std::function<std::string()>& check);

}  // namespace vorn::test
