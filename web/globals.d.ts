// What the page's scripts find around them, for TypeScript's checks
// (tools/lint-web): Emscripten's runtime as the program's calls into the
// page (library_velk.js) use it, and the fonts the page's build puts in.
declare function mergeInto(library: object, added: object): void;
declare var LibraryManager: {library: object};
declare var HEAPU16: Uint16Array;
declare var HEAP32: Int32Array;
declare function _malloc(size: number): number;
declare function _free(pointer: number): void;
declare function UTF8ToString(pointer: number): string;
declare var Module: Record<string, (...args: number[]) => number>;
declare var Asyncify: {
  currData: number | null;
  whenDone(): Promise<number>;
  handleSleep(start: (wakeUp: (value?: number) => void) => void): number;
};
declare var VelkFonts: {family: string; weight: string; data: string}[] | undefined;
// The service worker's scope (service_worker.js): as much of it as it uses.
interface ExtendableEvent extends Event {
  waitUntil(promise: Promise<unknown>): void;
}
interface FetchEvent extends ExtendableEvent {
  readonly request: Request;
  respondWith(response: Promise<Response>): void;
}
interface VelkWorkerScope {
  readonly registration: {readonly scope: string};
  readonly clients: {claim(): Promise<void>};
  skipWaiting(): Promise<void>;
  addEventListener(type: 'install' | 'activate', listener: (event: ExtendableEvent) => void): void;
  addEventListener(type: 'fetch', listener: (event: FetchEvent) => void): void;
}
