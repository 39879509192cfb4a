#pragma once

#include <functional>

// Base of everything that can send an event.
class TObject {
public:
    TObject() = default;
    TObject(const TObject&) = delete;
    TObject& operator=(const TObject&) = delete;
    virtual ~TObject() = default;
};

// An event handler: takes the sender, returns nothing.
using TNotifyEvent = std::function<void(TObject* sender)>;
