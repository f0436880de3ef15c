#pragma once

// Marks a text the user reads, as written (in French). A front-end with translations looks it
// up by `context` and the text itself; Qt's lupdate collects it under the same context, as it
// collects QT_TRANSLATE_NOOP (-tr-function-alias QT_TRANSLATE_NOOP+=VIREFLU_UI_TEXT).
#define VIREFLU_UI_TEXT(context, text) text
