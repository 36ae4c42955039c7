// Plays a short sound file on the desktop's sound output and returns when it
// has ended; the window keeps working meanwhile.
#pragma once

class QString;

namespace parlix::ui {

// Without a sound output, or with a file that cannot be played, it returns at once.
void PlaySoundFile(const QString& path);

}  // namespace parlix::ui
