// SPDX-License-Identifier: MIT
#include "textpipe.h"

#include "tlsengine.h"
#include "tlsengineloader.h"
#include "tlsfilter.h"
#include "transport.h"

TextPipe::TextPipe(QTcpSocket *socket, qintptr descriptor, const TcpSystem::Liveness &liveness,
                   QObject *parent)
    : QObject(parent), m_transport(new Transport(socket, descriptor, liveness, this))
{
    connect(m_transport, &Transport::received, this, &TextPipe::receive);
    connect(m_transport, &Transport::ended, this, &TextPipe::receiveEnd);
    connect(m_transport, &Transport::progressed, this, [this] {
        if (m_filter && m_transport->isOpen())
            m_filter->forgetWithin(m_transport->acknowledged());
        Q_EMIT progressed();
    });
    connect(m_transport, &Transport::failed, this, [this](const QString &reason, bool silent) {
        Q_EMIT failed({SocketFailure::ConnectionLost, 0, {}, reason}, silent);
    });
}

bool TextPipe::encrypt(TlsSession::Role role, TlsEngineLoader *tls, QString &error,
                       const QByteArray &first)
{
    // The TLS library is loaded, and the key made, when the first encrypted connection needs them.
    std::unique_ptr<TlsSession> session;
    if (TlsEngine *engine = tls->engine())
        session = engine->newSession(role, error);
    else
        error = tls->errorString();
    if (!session)
        return false;
    m_filter = new TlsFilter(std::move(session), role, this);
    connect(m_filter, &TlsFilter::failed, this,
            [this](const SocketFailure &failure) { Q_EMIT failed(failure, true); });
    connect(m_filter, &TlsFilter::checkReady, this, &TextPipe::checkReady);
    connect(m_filter, &TlsFilter::established, this, &TextPipe::established);
    if (first.isEmpty())
        pushOutput();  // the client's hello
    else
        receive(first);
    return true;
}

bool TextPipe::isOpen() const
{
    return m_transport->isOpen();
}

void TextPipe::send(QByteArrayView text)
{
    m_textSent += text.size();
    if (!m_filter)
        return m_transport->send(text);
    m_filter->write(text);
    pushOutput();
}

// The filter's bytes go out; the end of the stream follows the last of them, close_notify
// included, once no text is held back any more.
void TextPipe::pushOutput()
{
    if (m_filter) {
        m_filter->takeOutput(m_output);
        if (!m_output.isEmpty())
            m_transport->send(std::exchange(m_output, {}));
    }
    if (m_finishing && (!m_filter || m_filter->heldBytes() == 0))
        m_transport->finish();
}

void TextPipe::finish()
{
    m_finishing = true;
    if (m_filter)
        m_filter->close();  // behind the text still held
    pushOutput();
}

bool TextPipe::isDelivered() const
{
    return m_transport->hasFinished() && !m_transport->hasQueued() && undelivered() == 0;
}

qint64 TextPipe::undelivered() const
{
    if (!m_transport->isOpen())
        return 0;
    const qint64 acknowledged = m_transport->acknowledged();
    return m_textSent - (m_filter ? m_filter->textWithin(acknowledged) : acknowledged);
}

void TextPipe::receive(QByteArrayView bytes)
{
    if (!m_filter)
        return Q_EMIT received(bytes);
    const bool going = m_filter->read(bytes, false, m_plain);
    if (!m_transport->isOpen())
        return;  // it failed, and is closed
    pushOutput();
    hand(m_plain);
    if (!going && m_filter->partnerClosed())
        receiveEnd();
}

void TextPipe::receiveEnd()
{
    if (std::exchange(m_ended, true))
        return;
    if (m_filter && !m_filter->partnerClosed()) {
        m_filter->read({}, true, m_plain);
        if (!m_transport->isOpen())
            return;
        pushOutput();
        hand(m_plain);
    }
    Q_EMIT ended(m_filter && m_filter->wasCut());
}

void TextPipe::hand(QByteArray &text)
{
    const QByteArray taken = std::exchange(text, {});
    if (!taken.isEmpty())
        Q_EMIT received(taken);
}

void TextPipe::takeWhatWaits()
{
    m_transport->takeWhatWaits();
}

void TextPipe::close(bool abortive)
{
    m_transport->close(abortive);
}
