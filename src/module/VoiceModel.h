// The program's picture of what the connected module stores: fifty lists of up
// to 32 entries (command groups, sound table, message slots, wordsets, custom
// grammars), the built-in trigger words, the counts and the capabilities.
//
// Background readers fill it through the refresh operations; the user changes
// it only through the actions, which run the module command first and update
// the entries on success. Views read it through the non-blocking queries and
// snapshots: a busy object reads as unknown and is drawn again later.
//
// Lock order: list, then entry or model, then controller. ResetModel,
// ClearAfterReset and LoadBuiltinWords take the model lock first; they run on
// the GUI thread and must not overlap a job that updates the model.
#pragma once

#include "module/ListNumbers.h"
#include "module/LockPair.h"
#include "module/VoiceList.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <optional>
#include <string>
#include <thread>

namespace parlix {

class ModuleController;
class FrontEnd;

// Each is set when the firmware ID is at least 1, 2, 3, 9, 12 and 12.
enum class Capability {
    SoundTable,
    Grammars,
    MicDistance,
    Messages,
    FastRecognition,
    TrailingSilence
};

// What a view draws for one entry; the fields are those of VoiceEntry.
struct EntrySnapshot {
    bool loaded = false;
    std::string label;
    std::int32_t trained = 0;
    std::int32_t conflict = 0;
    bool hasConflict = false;
    std::int32_t bits = 0;
    std::int32_t length = 0;
    bool changed = false;  // as it was before the read-out
};

// What a view draws for one list.
struct ListSnapshot {
    bool countKnown = false;
    bool fixedEntries = false;
    std::int32_t count = 0;  // the sound table's count is sounds + 1, also while not "known"
    bool changed = false;    // as it was before the read-out
};

class VoiceModel {
  public:
    // `frontEnd` serves the waits of the GUI thread (the constructing thread);
    // without it, waits block plainly.
    explicit VoiceModel(FrontEnd* frontEnd = nullptr);
    VoiceModel(const VoiceModel&) = delete;
    VoiceModel& operator=(const VoiceModel&) = delete;

    void SetUiThread(std::thread::id id) { uiThread_ = id; }

    // Capabilities, from the firmware ID read after connecting.
    void SetCapabilities(int firmwareId);
    bool HasCapability(Capability capability) const;

    // Whole-model changes (GUI thread, no job running).
    void ResetModel();
    // Fills the built-in word tables with language 0 to 5 and refills the
    // wordset and trigger word lists; false for any other index.
    bool LoadBuiltinWords(int language);
    // After a successful memory reset of the groups, the messages or both.
    void ClearAfterReset(bool clearGroups, bool clearMessages);

    // Reading the module: each reads only what the model does not hold yet.
    bool RefreshGrammarCount(ModuleController& controller);
    // The count of list 0 to 16; -1 when the read failed.
    int RefreshGroupCount(int list, ModuleController& controller);
    void SetGroupEmpty(int list);
    // The word count of custom grammar 0 to 27; -1 when the read failed.
    int RefreshGrammarWordCount(int grammar, ModuleController& controller);
    bool RefreshSoundTable(ModuleController& controller);
    bool RefreshCommand(int list, int index, ModuleController& controller);
    bool RefreshGrammarWords(int list, ModuleController& controller);
    bool RefreshMessage(int slot, ModuleController& controller);

    // Queries. None waits except GetEntryLabel; a busy object gives the
    // "unknown" answer (-1, false or none).
    int GetGrammarCount() const { return grammarCount_.load(); }
    int GetTotalCommandCount() const { return totalCommands_.load(); }
    int GetListCount(int list);
    // The label (module form) when the entry is loaded; waits for the entry.
    std::optional<std::string> GetEntryLabel(int list, int index);
    bool IsEntryLoaded(int list, int index);
    bool IsListLoaded(int list);
    bool AreGroupsLoaded();
    // `label` may be typed text or module form; it is compared in module form.
    bool IsLabelUnique(int list, int index, const std::string& label);
    bool HasTrainedCommand(int list);
    bool CanAddCommand();
    // Tenths of a second; -1 when the slot is busy.
    int GetMessageDuration(int slot);

    // Non-blocking read-outs for the views; none when the object is busy.
    // With `takeChanged` the changed flag is cleared by the same read-out.
    std::optional<EntrySnapshot> TryReadEntry(int list, int index, bool takeChanged = false);
    std::optional<ListSnapshot> TryReadList(int list, bool takeChanged = false);
    // The model's changed flag (set when it was rebuilt or cleared), cleared.
    bool TakeChanged() { return changed_.exchange(false); }

    // Actions: the module command, then the model on success.
    bool InsertCommand(int list, int index, ModuleController& controller);
    bool RemoveCommandAt(int list, int index, ModuleController& controller);
    bool EraseTraining(int list, int index, ModuleController& controller);
    // The conflict value; 0xEBAD0003 or the controller's sentinel on failure.
    std::int32_t TrainEntry(int list, int index, ModuleController& controller);
    // The recognised index; 0xEBAD0003 on failure, -1 for lists without words.
    std::int32_t RecognizeInList(int list, ModuleController& controller);
    bool RenameEntry(int list, int index, const std::string& label, ModuleController& controller);
    // `data`: the 516 hexadecimal digits of an exported command.
    bool ImportEntry(int list, int index, const std::string& data, ModuleController& controller);
    bool StartRecording(int slot, ModuleController& controller);
    // True once the recording has ended (the slot is then read anew).
    bool PollRecording(int slot, ModuleController& controller);
    bool EraseMessageAt(int slot, ModuleController& controller);
    bool PlayMessageAt(int slot, ModuleController& controller);

  private:
    struct WordTable {
        std::int32_t count = 0;
        std::array<std::string, 11> words;
    };

    VoiceList* ListAt(int list);
    VoiceEntry* EntryAt(int list, int index);
    // The dispatching wait when called on the GUI thread, else none.
    const LockWait* Wait() const;
    void FillBuiltinLists();
    void ClearGroupLists();
    void EraseTrainingInModel(VoiceList& list, int index);

    LockPair lock_;
    std::atomic<bool> changed_{false};
    VoiceList triggerWords_;
    std::array<VoiceList, kListCount> lists_;
    // Atomics, so that lists need not take the model lock to keep the total.
    std::atomic<std::int32_t> totalCommands_{0};
    std::atomic<std::int32_t> grammarCount_{0};
    std::array<std::atomic<bool>, 6> capabilities_{true, false, false, false, false, false};
    std::array<WordTable, 4> wordTables_;

    FrontEnd* frontEnd_;
    std::thread::id uiThread_;
    LockWait dispatchingWait_;
};

}  // namespace parlix
