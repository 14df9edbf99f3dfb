#pragma once

// The generic failure of a service's deferred result.
enum class ServiceError
{
    unknown
};
