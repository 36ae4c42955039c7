// The two background readers that fill the data model after connecting.
#pragma once

#include "jobs/ProgramThread.h"

namespace parlix {

class ProgramData;
class ProgressSection;

// Reads the active group mask, the sound table, the command count of every
// group and the word count of every custom grammar.
class GroupReaderThread : public ProgramThreadImpl<GroupReaderThread, Void> {
  public:
    explicit GroupReaderThread(ProgramData& data)
        : ProgramThreadImpl("CGroupReaderThread"), data_(data) {}
    ~GroupReaderThread() { Stop(); }
    void Run(Void);

  private:
    // Running, and the link still answers: a lost link ends the run.
    bool Going();

    ProgramData& data_;
};

// Reads every list of the model, starting with the requested one and going
// on from list 0 after the last, so the list the user looks at comes first.
class CommandReaderThread : public ProgramThreadImpl<CommandReaderThread, int> {
  public:
    explicit CommandReaderThread(ProgramData& data)
        : ProgramThreadImpl("CCommandReaderThread"), data_(data) {}
    ~CommandReaderThread() { Stop(); }
    void Run(int startNode);

  private:
    bool Going();
    void ReadMessages();
    // False when the count could not be read: the run ends.
    bool ReadGroup(int node, ProgressSection& progress);

    ProgramData& data_;
};

}  // namespace parlix
