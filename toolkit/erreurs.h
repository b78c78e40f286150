#ifndef OMBRELIN_ERREURS_H
#define OMBRELIN_ERREURS_H

#include <QString>

// An error a handler cannot get past: the handler stops and the message is shown in the standard
// error box, then the editor goes on.
class Exception {
public:
    explicit Exception(QString message) : message_(std::move(message)) {}
    virtual ~Exception() = default;
    const QString& Message() const { return message_; }

private:
    QString message_;
};

// A text that was expected to be an integer and is not.
class EConvertError : public Exception {
public:
    using Exception::Exception;
};

#endif
