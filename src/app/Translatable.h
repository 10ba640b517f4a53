// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Marks an English text that the window shows translated: here it stays the text as written,
// which the batch tool prints, and Qt Linguist's lupdate collects it under `context` so the
// window can look it up with QCoreApplication::translate(context, text).

#define ZERKON_TRANSLATABLE(context, text) text
