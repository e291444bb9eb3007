// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "upnp.h"

#include <miniupnpc/miniupnpc.h>
#include <miniupnpc/upnpcommands.h>
#include <miniupnpc/upnperrors.h>

#include <algorithm>
#include <array>
#include <random>

namespace gloob::traversal {

namespace {

constexpr const char* protocol = "UDP";
constexpr const char* description = "Gloob Volleyball match";
// Long enough for any match; should the game die without removing the
// forwarding, the router drops it itself. A match already connected keeps
// its way through the router's own connection tracking when it lapses.
constexpr const char* lease = "7200";
// Routers that only keep forwardings until removed say so with this error.
constexpr int onlyPermanentLeases = 725;
// Outside ports tried when the match's own is taken and the router cannot
// pick one itself.
constexpr int otherPortsTried = 4;

std::string reason(int code) {
    const char* text = strupnperror(code);
    return text != nullptr ? text : "error " + std::to_string(code);
}

} // namespace

struct UpnpMapping::Router {
    UPNPUrls urls{};
    IGDdatas data{};
    std::string outsidePort;
    Router() = default;
    Router(const Router&) = delete;
    Router& operator=(const Router&) = delete;
    ~Router() { FreeUPNPUrls(&urls); }

    int add(const std::string& outside, const std::string& inside, const char* client,
            const char* leaseSeconds) {
        return UPNP_AddPortMapping(urls.controlURL, data.first.servicetype, outside.c_str(),
                                   inside.c_str(), client, description, protocol, nullptr,
                                   leaseSeconds);
    }
    // The outside port the router forwards to `inside`, or an error.
    int forward(const std::string& inside, const char* client) {
        const auto tryPort = [&](const std::string& outside) {
            int status = add(outside, inside, client, lease);
            if (status == onlyPermanentLeases) {
                status = add(outside, inside, client, "0");
            }
            if (status == UPNPCOMMAND_SUCCESS) {
                outsidePort = outside;
            }
            return status;
        };
        int status = tryPort(inside);
        if (status == UPNPCOMMAND_SUCCESS) {
            return status;
        }
        std::array<char, 6> reserved{};
        if (UPNP_AddAnyPortMapping(urls.controlURL, data.first.servicetype, inside.c_str(),
                                   inside.c_str(), client, description, protocol, nullptr, lease,
                                   reserved.data()) == UPNPCOMMAND_SUCCESS) {
            outsidePort = reserved.data();
            return UPNPCOMMAND_SUCCESS;
        }
        std::random_device random;
        std::uniform_int_distribution<int> dynamic(49152, 65535);
        for (int i = 0; i < otherPortsTried && status != UPNPCOMMAND_SUCCESS; ++i) {
            status = tryPort(std::to_string(dynamic(random)));
        }
        return status;
    }
};

std::unique_ptr<UpnpMapping> UpnpMapping::open(std::uint16_t port, std::chrono::milliseconds limit,
                                               std::string& why) {
    // All kinds asked for at once, so that the search takes `limit` once,
    // not once for each kind.
    static constexpr std::array<const char*, 7> kinds{
        "urn:schemas-upnp-org:device:InternetGatewayDevice:1",
        "urn:schemas-upnp-org:device:InternetGatewayDevice:2",
        "urn:schemas-upnp-org:service:WANIPConnection:1",
        "urn:schemas-upnp-org:service:WANIPConnection:2",
        "urn:schemas-upnp-org:service:WANPPPConnection:1",
        "upnp:rootdevice",
        nullptr};
    int error = 0;
    UPNPDev* devices = upnpDiscoverDevices(kinds.data(), static_cast<int>(limit.count()), nullptr,
                                           nullptr, UPNP_LOCAL_PORT_ANY, 0, 2, &error, 1);
    if (devices == nullptr) {
        why = "no router answered within " + std::to_string(limit.count()) + " ms";
        return nullptr;
    }
    auto router = std::make_unique<Router>();
    std::array<char, 64> inside{};
    const int found =
        UPNP_GetValidIGD(devices, &router->urls, &router->data, inside.data(), inside.size());
    freeUPNPDevlist(devices);
    if (found != 1 && found != 2) {
        why = found == 0 ? "no device that answered forwards ports"
                         : "the device that answered is no router";
        return nullptr;
    }
    std::array<char, 40> outsideAddress{};
    int status = UPNP_GetExternalIPAddress(router->urls.controlURL, router->data.first.servicetype,
                                           outsideAddress.data());
    const auto address = parseEndpoint(outsideAddress.data(), 0);
    if (status != UPNPCOMMAND_SUCCESS || !address || address->address == 0) {
        why = "the router knows no outside address";
        return nullptr;
    }
    status = router->forward(std::to_string(port), inside.data());
    if (status != UPNPCOMMAND_SUCCESS) {
        why = "the router refused: " + reason(status);
        return nullptr;
    }
    const auto outside =
        parseEndpoint(std::string(outsideAddress.data()) + ":" + router->outsidePort);
    auto mapping = std::unique_ptr<UpnpMapping>(
        new UpnpMapping(std::move(router), outside.value_or(Endpoint{})));
    if (!outside) {
        why = "the router forwarded no port the game can use";
        return nullptr;
    }
    return mapping;
}

UpnpMapping::UpnpMapping(std::unique_ptr<Router> router, Endpoint outside)
    : router_(std::move(router)), outside_(outside) {}

UpnpMapping::~UpnpMapping() {
    remove();
}

bool UpnpMapping::remove() {
    if (removed_) {
        return false;
    }
    removed_ = true;
    return UPNP_DeletePortMapping(router_->urls.controlURL, router_->data.first.servicetype,
                                  router_->outsidePort.c_str(), protocol,
                                  nullptr) == UPNPCOMMAND_SUCCESS;
}

void addCandidate(std::vector<Candidate>& candidates, const UpnpMapping& mapping) {
    if (std::none_of(candidates.begin(), candidates.end(),
                     [&](const Candidate& c) { return c.where == mapping.outside(); })) {
        candidates.push_back(mapping.candidate());
    }
}

} // namespace gloob::traversal
