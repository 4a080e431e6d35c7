#pragma once

// Whether the computer is connected to the Internet, as far as the system can tell.
class ConnectionState
{
public:
    virtual ~ConnectionState() = default;
    virtual bool isConnected() = 0;
};

// Asks Qt's network information. Without a backend, or when the backend cannot tell, the
// computer counts as connected and the fetch itself reports what fails.
class SystemConnectionState : public ConnectionState
{
public:
    bool isConnected() override;
};
