// The bundled icons of both lists, in the order of the list image.
#pragma once

#include "ui/logic/ListTexts.h"

#include <QtGui/QIcon>

namespace parlix::ui {

QIcon IconFor(ListIcon icon);
// Registers the bundled icons; call before the first window.
void InitResources();

}  // namespace parlix::ui
