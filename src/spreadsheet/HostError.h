#pragma once
// Failures of the spreadsheet host. Descriptions read like the automation errors of a spreadsheet
// program, so the caller's error report shows something a user recognises.

#include <stdexcept>
#include <string>

namespace morvessa::sheet {

class HostError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A bad or out-of-limit cell address.
class AddressError : public HostError {
public:
    using HostError::HostError;
};

// A property set to a value the host does not accept ("Unable to set the X property of the Y class").
class PropertyError : public HostError {
public:
    PropertyError(const std::string& property, const std::string& objectClass)
        : HostError("Unable to set the " + property + " property of the " + objectClass + " class")
    {
    }
};

// A call on an object that no longer exists: a quit application, a closed workbook, a deleted sheet.
class DisconnectedError : public HostError {
public:
    DisconnectedError() : HostError("Automation error: the object invoked has disconnected from its clients.")
    {
    }
};

// A missing collection item.
class SubscriptError : public HostError {
public:
    SubscriptError() : HostError("Subscript out of range") {}
};

// A member called on a search result that found nothing.
class NothingError : public HostError {
public:
    NothingError() : HostError("Object variable or With block variable not set") {}
};

}  // namespace morvessa::sheet
