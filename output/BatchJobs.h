#pragma once
// Batch mode over several worker threads (--jobs N): the lines are gathered
// in blocks, each block is split into N runs of consecutive lines answered
// at once, and the answers are written in input order, byte for byte what
// one thread writes.

#include "output/BatchRun.h"

namespace velmora::tool {

inline constexpr int kMaxJobs = 64;

// As RunBatch, answering with `jobs` threads (1..kMaxJobs).
BatchOutcome RunBatchJobs(int fd, const ReferenceTables& tables, const ReferenceTables* words, OutputBuffer& out,
                          int jobs, const BatchSettings& settings = {});

}  // namespace velmora::tool
