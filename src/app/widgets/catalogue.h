#pragma once

#include <QCoreApplication>

#include <string>

#include "shell/interface_text.h"

namespace vireflu {

// The core's texts of one context, translated by the catalogue installed.
inline Translate CatalogueOf(const char* context) {
    return [context](const char* french) {
        return QCoreApplication::translate(context, french).toStdString();
    };
}

}  // namespace vireflu
