/* xdnd_drop X Y PATH...: drops files at a root point the way a file manager
 * does, over XDND, so that a Wine window registered with DragAcceptFiles gets
 * a real WM_DROPFILES. Exit status 0 when the target took the drop, 2 when
 * it refused it, 1 on any other failure or time-out; the reason goes to stderr.
 */
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/select.h>
#include <sys/time.h>
#include <unistd.h>

#define WAIT_SECONDS 10.0

static Display *dpy;
static Window source;
static Atom aAware, aEnter, aPosition, aStatus, aLeave, aDrop, aFinished, aSelection, aCopy,
    aUriList, aTargets;
static char *uris;

static double now(void) {
    struct timeval tv;
    gettimeofday(&tv, NULL);
    return tv.tv_sec + tv.tv_usec / 1e6;
}

/* Appends "file://" and the path, percent-encoding every byte but the
 * unreserved ones and '/', then CR LF. */
static void append_uri(char **out, size_t *len, const char *path) {
    static const char hex[] = "0123456789ABCDEF";
    char *p = *out = realloc(*out, *len + 7 + 3 * strlen(path) + 3);
    if (p == NULL) {
        fprintf(stderr, "xdnd_drop: out of memory\n");
        exit(1);
    }
    p += *len;
    p += sprintf(p, "file://");
    for (const unsigned char *c = (const unsigned char *)path; *c; ++c) {
        if ((*c >= 'a' && *c <= 'z') || (*c >= 'A' && *c <= 'Z') || (*c >= '0' && *c <= '9') ||
            strchr("-._~/", *c)) {
            *p++ = (char)*c;
        } else {
            *p++ = '%';
            *p++ = hex[*c >> 4];
            *p++ = hex[*c & 15];
        }
    }
    *p++ = '\r';
    *p++ = '\n';
    *p = '\0';
    *len = (size_t)(p - *out);
}

static long aware_version(Window w) {
    Atom type;
    int format;
    unsigned long count, rest;
    unsigned char *data = NULL;
    long version = -1;
    if (XGetWindowProperty(dpy, w, aAware, 0, 1, False, AnyPropertyType, &type, &format, &count,
                           &rest, &data) == Success &&
        data != NULL && count == 1 && format == 32) {
        version = (long)*(unsigned long *)data;
    }
    if (data != NULL) {
        XFree(data);
    }
    return version;
}

/* The outermost window under the point that speaks XDND. */
static Window find_target(int x, int y, long *version) {
    Window root = DefaultRootWindow(dpy), parent = root, child;
    int cx, cy;
    while (XTranslateCoordinates(dpy, root, parent, x, y, &cx, &cy, &child) && child != None) {
        if ((*version = aware_version(child)) >= 0) {
            return child;
        }
        parent = child;
    }
    return None;
}

static void send_message(Window target, Atom type, long l1, long l2, long l3, long l4) {
    XEvent e;
    memset(&e, 0, sizeof e);
    e.xclient.type = ClientMessage;
    e.xclient.window = target;
    e.xclient.message_type = type;
    e.xclient.format = 32;
    e.xclient.data.l[0] = (long)source;
    e.xclient.data.l[1] = l1;
    e.xclient.data.l[2] = l2;
    e.xclient.data.l[3] = l3;
    e.xclient.data.l[4] = l4;
    XSendEvent(dpy, target, False, NoEventMask, &e);
    XFlush(dpy);
}

/* Wine reads the data as soon as it sees XdndEnter, so requests are served
 * whatever the drop is waiting for. */
static void answer(const XSelectionRequestEvent *r) {
    XEvent reply;
    memset(&reply, 0, sizeof reply);
    reply.xselection.type = SelectionNotify;
    reply.xselection.requestor = r->requestor;
    reply.xselection.selection = r->selection;
    reply.xselection.target = r->target;
    reply.xselection.time = r->time;
    reply.xselection.property = r->property != None ? r->property : r->target;
    if (r->target == aUriList) {
        XChangeProperty(dpy, r->requestor, reply.xselection.property, aUriList, 8,
                        PropModeReplace, (unsigned char *)uris, (int)strlen(uris));
    } else if (r->target == aTargets) {
        Atom offered[] = {aTargets, aUriList};
        XChangeProperty(dpy, r->requestor, reply.xselection.property, XA_ATOM, 32,
                        PropModeReplace, (unsigned char *)offered, 2);
    } else {
        reply.xselection.property = None;
    }
    XSendEvent(dpy, r->requestor, False, NoEventMask, &reply);
    XFlush(dpy);
}

/* Serves the selection until a client message of `type` arrives; returns its
 * data.l[1], or -1 after WAIT_SECONDS. */
static long wait_for(Atom type) {
    const double deadline = now() + WAIT_SECONDS;
    for (;;) {
        while (XPending(dpy)) {
            XEvent e;
            XNextEvent(dpy, &e);
            if (e.type == SelectionRequest) {
                answer(&e.xselectionrequest);
            } else if (e.type == ClientMessage && e.xclient.message_type == type) {
                return e.xclient.data.l[1];
            }
        }
        const double left = deadline - now();
        if (left <= 0) {
            return -1;
        }
        fd_set fds;
        FD_ZERO(&fds);
        FD_SET(ConnectionNumber(dpy), &fds);
        struct timeval tv = {(time_t)left, (suseconds_t)((left - (long)left) * 1e6)};
        select(ConnectionNumber(dpy) + 1, &fds, NULL, NULL, &tv);
    }
}

int main(int argc, char **argv) {
    if (argc < 4) {
        fprintf(stderr, "usage: xdnd_drop X Y PATH...   (absolute paths; DISPLAY set)\n");
        return 1;
    }
    const int x = atoi(argv[1]), y = atoi(argv[2]);
    size_t len = 0;
    for (int i = 3; i < argc; ++i) {
        if (argv[i][0] != '/') {
            fprintf(stderr, "xdnd_drop: not an absolute path: %s\n", argv[i]);
            return 1;
        }
        append_uri(&uris, &len, argv[i]);
    }
    if ((dpy = XOpenDisplay(NULL)) == NULL) {
        fprintf(stderr, "xdnd_drop: cannot open display %s\n", getenv("DISPLAY"));
        return 1;
    }
    aAware = XInternAtom(dpy, "XdndAware", False);
    aEnter = XInternAtom(dpy, "XdndEnter", False);
    aPosition = XInternAtom(dpy, "XdndPosition", False);
    aStatus = XInternAtom(dpy, "XdndStatus", False);
    aLeave = XInternAtom(dpy, "XdndLeave", False);
    aDrop = XInternAtom(dpy, "XdndDrop", False);
    aFinished = XInternAtom(dpy, "XdndFinished", False);
    aSelection = XInternAtom(dpy, "XdndSelection", False);
    aCopy = XInternAtom(dpy, "XdndActionCopy", False);
    aUriList = XInternAtom(dpy, "text/uri-list", False);
    aTargets = XInternAtom(dpy, "TARGETS", False);

    long version = -1;
    const Window target = find_target(x, y, &version);
    if (target == None) {
        fprintf(stderr, "xdnd_drop: no XdndAware window at (%d, %d)\n", x, y);
        return 1;
    }
    source = XCreateSimpleWindow(dpy, DefaultRootWindow(dpy), -10, -10, 1, 1, 0, 0, 0);
    XSetSelectionOwner(dpy, aSelection, source, CurrentTime);
    if (XGetSelectionOwner(dpy, aSelection) != source) {
        fprintf(stderr, "xdnd_drop: cannot own XdndSelection\n");
        return 1;
    }
    const long protocol = version < 5 ? version : 5;
    send_message(target, aEnter, protocol << 24, (long)aUriList, None, None);
    send_message(target, aPosition, 0, ((long)x << 16) | (y & 0xFFFF), CurrentTime, (long)aCopy);
    const long status = wait_for(aStatus);
    if (status < 0) {
        fprintf(stderr, "xdnd_drop: no XdndStatus from window 0x%lx within %.0f s\n", target,
                WAIT_SECONDS);
        return 1;
    }
    if ((status & 1) == 0) {
        send_message(target, aLeave, 0, 0, 0, 0);
        fprintf(stderr, "xdnd_drop: window 0x%lx refused the drop (XdndStatus without the "
                        "accept bit; is it registered with DragAcceptFiles?)\n", target);
        return 2;
    }
    send_message(target, aDrop, 0, CurrentTime, 0, 0);
    const long finished = wait_for(aFinished);
    if (finished < 0) {
        fprintf(stderr, "xdnd_drop: no XdndFinished from window 0x%lx within %.0f s\n", target,
                WAIT_SECONDS);
        return 1;
    }
    if (protocol >= 5 && (finished & 1) == 0) {
        fprintf(stderr, "xdnd_drop: window 0x%lx finished without taking the drop\n", target);
        return 2;
    }
    XCloseDisplay(dpy);
    return 0;
}
