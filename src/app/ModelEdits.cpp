#include "app/ModelEdits.h"

#include "app/ModuleSession.h"
#include "module/Labels.h"
#include "module/ModuleController.h"
#include "module/VoiceModel.h"

namespace parlix {

bool ModelEdits::InsertCommand(int list, int index) {
    return session_.Model().InsertCommand(list, index, session_.Controller());
}

bool ModelEdits::RemoveCommand(int list, int index) {
    return session_.Model().RemoveCommandAt(list, index, session_.Controller());
}

void ModelEdits::RenameIfChanged(int list, int index, const std::string& text) {
    const auto current = session_.Model().TryReadEntry(list, index);
    if (current && current->loaded && EncodeLabel(text) != current->label)
        session_.Model().RenameEntry(list, index, text, session_.Controller());
}

bool ModelEdits::EraseTraining(int list, int index) {
    return session_.Model().EraseTraining(list, index, session_.Controller());
}

std::int32_t ModelEdits::Recognize(int list) {
    return session_.Model().RecognizeInList(list, session_.Controller());
}

bool ModelEdits::StartRecording(int slot) {
    return session_.Model().StartRecording(slot, session_.Controller());
}

void ModelEdits::StopRecording() {
    session_.Controller().SendStopRecording();
}

bool ModelEdits::PollRecording(int slot) {
    return session_.Model().PollRecording(slot, session_.Controller());
}

bool ModelEdits::PlayMessage(int slot) {
    return session_.Model().PlayMessageAt(slot, session_.Controller());
}

bool ModelEdits::EraseMessage(int slot) {
    return session_.Model().EraseMessageAt(slot, session_.Controller());
}

bool ModelEdits::ResetMemory(MemoryReset scope) {
    int kind = kResetAll;
    if (scope == MemoryReset::Commands) kind = kResetCommands;
    if (scope == MemoryReset::Messages) kind = kResetMessages;
    if (!session_.Controller().ResetMemory(kind)) return false;
    session_.Model().ClearAfterReset(scope != MemoryReset::Messages,
                                     scope != MemoryReset::Commands);
    return true;
}

bool ModelEdits::PlaySound(int sound, int volume) {
    return session_.Controller().PlaySound(sound, volume);
}

}  // namespace parlix
