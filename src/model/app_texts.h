#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/language_tables.h"

namespace bexlan {

// Texts this system shows that the language tables do not hold. Each has a Turkish, a
// Traditional Chinese and an English form; "%1" marks where an argument goes.
enum class AppTextId {
    ButtonDoesNotFit, // %1: the button number
};

// UTF-8 text of `id` in `language`; "" for a value outside the enums.
std::string_view AppText(AppTextId id, Language language);

// AppText with every "%1" replaced by `argument`.
std::string FormatAppText(AppTextId id, Language language, std::string_view argument);

// Entries of MessageTable that message boxes use.
enum MessageEntry : int {
    MessageFinish = 1,
    MessageError = 2,
    MessageFail = 3,
    MessageSucceed = 4,
    MessageFileSaved = 6,
    MessageFileSaveFailed = 7,
    MessageSetDataFailed = 8,
    MessageGetDataFailed = 9,
    MessageDownloadComplete = 14,
    MessageDownloadFailure = 15,
    MessageFileMissing = 16,
};

enum class MessageIcon { None, Error, Warning, Information };

// A message box to show, kept apart from its language so that it can be shown in whatever
// language is current when it reaches the user.
struct UserMessage {
    int messageEntry = -1; // entry of MessageTable; -1 when the text is appText
    int captionEntry = MessageFail;
    MessageIcon icon = MessageIcon::None;
    std::optional<AppTextId> appText;
    std::string argument; // fills "%1" of appText

    friend bool operator==(const UserMessage&, const UserMessage&) = default;
};

UserMessage TableMessage(int messageEntry, int captionEntry, MessageIcon icon);
UserMessage OwnMessage(AppTextId text, std::string argument, int captionEntry, MessageIcon icon);

// The box's text and caption in `language`, UTF-8.
std::string MessageText(const UserMessage& message, Language language);
std::string MessageCaption(const UserMessage& message, Language language);

} // namespace bexlan
