// Entries of the widget table: creation with the checks every creation
// routine shares, and the look-ups of the value routines. No toolkit here.
#pragma once

#include <initializer_list>
#include <string>

#include "widgets/widget_state.h"

namespace vtx {

// A new entry of the given type under `parentId` (1-based), or -1 after
// ">>>> No call to WGINI before in ROUTINE!", ">>>> Too many widgets in
// ROUTINE!" or ">>>> Not allowed parent ID in ROUTINE!". Takes the current
// options that shape the widget. Returns the table index.
int addWidget(WidgetType type, int parentId, const char* routine);

// Appends an entry of the given type and parent (table index, -1 for none)
// at the current level, without checks; the table index.
int appendEntry(WidgetType type, int parent);

// Starts a level (wgini): the table is restarted by the outermost level.
// The table index of the top-level entry, or -1 after a message.
int beginLevel(WidgetLayout layout);

// Drops the current level (after wgfin's loop).
void endLevel();

// Index of widget `id` when it exists (1..count), else -1.
int widgetIndex(int id);

// The checks of the value setters: "<<<< ROUTINE must be used between WGINI
// and WGFIN!", "<<<< Not allowed widget ID in ROUTINE!", "<<<< Not allowed ID
// in ROUTINE!" (wrong kind). `kinds` lists the accepted types (empty: any).
// The entry, or null after the message.
WidgetEntry* setterEntry(int id, const char* routine, std::initializer_list<WidgetType> kinds);

// The checks of the value getters: "<<<< Not call to WGINI before ROUTINE!"
// and "<<<< Not allowed ID in ROUTINE!".
WidgetEntry* getterEntry(int id, const char* routine, std::initializer_list<WidgetType> kinds);

// Items of a list string split at the separator; an empty string is one item.
int itemCount(const std::string& items, char separator);
std::string itemAt(const std::string& items, char separator, int n);

}  // namespace vtx
