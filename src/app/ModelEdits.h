// The user's changes to the module and its model, as the window runs them
// through the session: each runs the module command and, on success, updates
// the model. The front ends reach the model's actions only through these.
#pragma once

#include <cstdint>
#include <string>

namespace parlix {

class ModuleSession;

// What a memory reset deletes.
enum class MemoryReset { All, Commands, Messages };

class ModelEdits {
  public:
    explicit ModelEdits(ModuleSession& session) : session_(session) {}

    bool InsertCommand(int list, int index);
    bool RemoveCommand(int list, int index);
    // Renames only when `text`, in module form, differs from the loaded label.
    void RenameIfChanged(int list, int index, const std::string& text);
    bool EraseTraining(int list, int index);
    // The recognised index; below -1 on failure, -1 for lists without words.
    std::int32_t Recognize(int list);

    bool StartRecording(int slot);
    // Asks the module to end the recording; the next poll sees it ended.
    void StopRecording();
    // True once the recording has ended.
    bool PollRecording(int slot);
    bool PlayMessage(int slot);
    bool EraseMessage(int slot);

    // The module's memory first, then the model's lists on success.
    bool ResetMemory(MemoryReset scope);
    bool PlaySound(int sound, int volume);

  private:
    ModuleSession& session_;
};

}  // namespace parlix
