#pragma once
// Running a program as a child process and taking its wall time and peak resident memory.

#include <optional>
#include <string>
#include <vector>

namespace meridax::bench {

struct RunFigures {
  double seconds = 0;     // wall time
  double cpuSeconds = 0;  // user and system time: on a machine shared with other work, the steadier figure
  double peakBytes = 0;   // the child's largest resident set
};

// Runs argv[0] with the arguments, its standard output and error thrown away. nullopt when it cannot
// be started or does not exit with one of the accepted statuses.
std::optional<RunFigures> runOnce(const std::vector<std::string>& argv, const std::vector<int>& acceptedStatuses);

// The median of `times` runs (their wall times, processor times and peaks taken apart); nullopt when any run fails.
std::optional<RunFigures> runMedian(const std::vector<std::string>& argv, const std::vector<int>& acceptedStatuses,
                                    int times);

}  // namespace meridax::bench
