// The two background readers that fill the data model after connecting.
#pragma once

#include "jobs/ProgramThread.h"

namespace parlix {

class CProgramData;
class ProgressSection;

// Reads the active group mask, the sound table, the command count of every
// group and the word count of every custom grammar.
class CGroupReaderThread : public CProgramThreadImpl<CGroupReaderThread, Void> {
  public:
    explicit CGroupReaderThread(CProgramData& data)
        : CProgramThreadImpl("CGroupReaderThread"), data_(data) {}
    ~CGroupReaderThread() { Stop(); }
    void Run(Void);

  private:
    // Running, and the link still answers: a lost link ends the run.
    bool Going();

    CProgramData& data_;
};

// Reads every list of the model, starting with the requested one and going
// on from list 0 after the last, so the list the user looks at comes first.
class CCommandReaderThread : public CProgramThreadImpl<CCommandReaderThread, int> {
  public:
    explicit CCommandReaderThread(CProgramData& data)
        : CProgramThreadImpl("CCommandReaderThread"), data_(data) {}
    ~CCommandReaderThread() { Stop(); }
    void Run(int startNode);

  private:
    bool Going();
    void ReadMessages();
    // False when the count could not be read: the run ends.
    bool ReadGroup(int node, ProgressSection& progress);

    CProgramData& data_;
};

}  // namespace parlix
