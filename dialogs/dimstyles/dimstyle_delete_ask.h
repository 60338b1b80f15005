// Deleting the active dimension style as the user asks for it, from the style editor or a
// menu: the question first, then the engine's deletion (its own undo step), and a refusal (the
// last style, or one still in use) explained in a message box.
#pragma once

class zaz_class_;
class window_;

// True when the style was deleted.
bool ask_and_delete_dimstyle_(zaz_class_& engine, window_* owner);
