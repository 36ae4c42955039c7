#include "jobs/Readers.h"

#include "base/ProgressSection.h"
#include "jobs/ProgramData.h"

namespace parlix {

bool GroupReaderThread::Going() {
    return IsRunning() && !data_.Controller().Link().LinkLost();
}

bool CommandReaderThread::Going() {
    return IsRunning() && !data_.Controller().Link().LinkLost();
}

void GroupReaderThread::Run(Void) {
    VoiceModel& model = data_.Model();
    ModuleController& controller = data_.Controller();
    const int grammars = model.GetGrammarCount();
    ProgressSection progress(data_.Progress(), static_cast<std::uint32_t>(grammars + 20));
    progress.Step();
    std::uint32_t mask = 0;
    if (!controller.ReadActiveGroupMask(mask) || !Going()) return;
    progress.Step();
    if (model.HasCapability(Capability::SoundTable)) model.RefreshSoundTable(controller);
    if (!Going()) return;
    progress.Step();
    for (int group = 0; group < kGroupLists; ++group) {
        if (mask & (1u << group))
            model.RefreshGroupCount(group, controller);
        else
            model.SetGroupEmpty(group);
        if (!Going()) return;
        progress.Step();
    }
    for (int grammar = 0; grammar < grammars; ++grammar) {
        model.RefreshGrammarWordCount(grammar, controller);
        if (!Going()) return;
        progress.Step();
    }
}

void CommandReaderThread::Run(int startNode) {
    VoiceModel& model = data_.Model();
    const int nodes = kFirstGrammarList + model.GetGrammarCount();
    ProgressSection progress(data_.Progress(), static_cast<std::uint32_t>(nodes));
    int node = startNode >= 0 && startNode < nodes ? startNode : 0;
    for (int visited = 0; visited < nodes; ++visited, node = (node + 1) % nodes) {
        if (!Going()) return;
        if (node == kSoundList) {
            progress.Step();
        } else if (node == kMessageList) {
            progress.Step();
            if (model.HasCapability(Capability::Messages)) ReadMessages();
        } else if (node >= kFirstGrammarList) {
            model.RefreshGrammarWords(node, data_.Controller());
            progress.Step();
        } else if (!ReadGroup(node, progress)) {
            return;
        }
    }
}

void CommandReaderThread::ReadMessages() {
    ProgressSection slots(data_.Progress(), kMessageSlots);
    for (int slot = 0; slot < kMessageSlots; ++slot) {
        data_.Model().RefreshMessage(slot, data_.Controller());
        if (!Going()) return;
        slots.Step();
    }
}

bool CommandReaderThread::ReadGroup(int node, ProgressSection& progress) {
    VoiceModel& model = data_.Model();
    // Wordsets come from the program's own tables; they are fixed even while busy.
    const auto list = model.TryReadList(node);
    if (list ? list->fixedEntries : node >= kFirstWordsetList) {
        progress.Step();
        return true;
    }
    const int count = model.RefreshGroupCount(node, data_.Controller());
    progress.Step();
    if (count < 0) return false;
    ProgressSection commands(data_.Progress(), static_cast<std::uint32_t>(count));
    for (int c = 0; c < model.GetListCount(node); ++c) {
        if (!Going()) break;
        commands.Step();
        model.RefreshCommand(node, c, data_.Controller());
    }
    return true;
}

}  // namespace parlix
