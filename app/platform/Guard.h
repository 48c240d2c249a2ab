// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

// Runs an event handler; an exception that leaves it is shown in an error box, as the
// toolkit's standard handler for errors in event handlers does, and play goes on.
void Guard(const std::function<void()>& handler);

// A slot for connect(): calls (object->*method)() under the guard.
template <class Object, class Method> auto Guarded(Object* object, Method method) {
    return [object, method] { Guard([&] { (object->*method)(); }); };
}
