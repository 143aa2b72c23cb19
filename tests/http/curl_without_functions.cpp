// A libcurl.so.4 that has only curl_global_init: the program must get by without HTTP.
extern "C" int curl_global_init(long) {
    return 0;
}
